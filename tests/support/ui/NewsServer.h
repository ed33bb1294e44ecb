// A small HTTP server on 127.0.0.1 that answers every request in the way a test tells it: the news
// file, an error, or one of the hostile answers (without end, flooding header fields, dripping).
#pragma once

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QStringList>
#include <QTcpServer>
#include <QTimer>

class QTcpSocket;

namespace mcb::test {

class NewsServer : public QObject {
public:
    enum class Answer {
        File,              // the file, with its length
        Chunked,           // the file in chunks of 7 bytes
        UntilClosed,       // the file without a length, then the connection is closed
        CutOff,            // half the file, though the length promised all of it
        NotFound,          // 404
        RedirectToHttp,    // to plain HTTP on the same server
        Endless,           // a body that never ends, as fast as it is read
        FloodHeaders,      // header fields without end, as fast as they are read
        EndlessHeaderLine, // one header line without end
        Drip,              // a header line, one byte every 10 ms
        Silent,            // reads the request and never answers
    };

    NewsServer();
    QString Site() const;

    Answer answer = Answer::File;
    QByteArray file;
    QStringList paths; // of the requests, in order
    qint64 sent = 0;   // bytes of the answers written so far
    // Connections the server still has open: the client closed a connection once it is gone here.
    int OpenConnections() const { return int(requests_.size()); }

private:
    void Read(QTcpSocket* socket);
    void Respond(QTcpSocket* socket);
    void Write(QTcpSocket* socket, const QByteArray& bytes);
    void Close(QTcpSocket* socket, const QByteArray& bytes);
    // Keeps writing for as long as the client reads, up to a bound that no test should reach.
    void Feed(QTcpSocket* socket, const QByteArray& piece);
    void Drip(QTcpSocket* socket);

    QTcpServer server_;
    QHash<QTcpSocket*, QByteArray> requests_;
};

} // namespace mcb::test

#include "support/ui/NewsServer.h"

#include <QTcpSocket>

namespace mcb::test {

namespace {

constexpr qint64 kFeedBound = qint64(256) << 20;

} // namespace

NewsServer::NewsServer() {
    server_.listen(QHostAddress::LocalHost);
    connect(&server_, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* socket = server_.nextPendingConnection()) {
            socket->setParent(this);
            requests_.insert(socket, {});
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { Read(socket); });
            connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
                requests_.remove(socket);
                socket->deleteLater();
            });
        }
    });
}

QString NewsServer::Site() const {
    return QString("http://127.0.0.1:%1").arg(server_.serverPort());
}

void NewsServer::Read(QTcpSocket* socket) {
    QByteArray& request = requests_[socket];
    const bool answered = request.contains("\r\n\r\n");
    request += socket->readAll();
    if (answered || !request.contains("\r\n\r\n")) return;
    paths << QString::fromLatin1(request.split(' ').value(1));
    Respond(socket);
}

void NewsServer::Respond(QTcpSocket* socket) {
    const QByteArray length = "Content-Length: " + QByteArray::number(file.size()) + "\r\n";
    const QByteArray ok = "HTTP/1.1 200 OK\r\n";
    switch (answer) {
    case Answer::File:
        Close(socket, ok + length + "\r\n" + file);
        break;
    case Answer::Chunked: {
        QByteArray body;
        for (qsizetype i = 0; i < file.size(); i += 7) {
            const QByteArray piece = file.mid(i, 7);
            body += QByteArray::number(piece.size(), 16) + "\r\n" + piece + "\r\n";
        }
        Close(socket, ok + "Transfer-Encoding: chunked\r\n\r\n" + body + "0\r\n\r\n");
        break;
    }
    case Answer::UntilClosed:
        Close(socket, ok + "\r\n" + file);
        break;
    case Answer::CutOff:
        Close(socket, ok + length + "\r\n" + file.left(file.size() / 2));
        break;
    case Answer::NotFound:
        Close(socket, "HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\n\r\n");
        break;
    case Answer::RedirectToHttp:
        Close(socket,
              "HTTP/1.1 302 Found\r\nLocation: " + Site().toLatin1() + "/elsewhere.txt\r\nContent-Length: 0\r\n\r\n");
        break;
    case Answer::Endless:
        Write(socket, ok + "Content-Type: text/plain\r\n\r\n");
        Feed(socket, QByteArray(16 * 1024, '['));
        break;
    case Answer::FloodHeaders:
        Write(socket, ok);
        Feed(socket, QByteArray("X-Filler: 0123456789\r\n").repeated(512));
        break;
    case Answer::EndlessHeaderLine:
        Write(socket, ok + "X-Filler: ");
        Feed(socket, QByteArray(16 * 1024, 'a'));
        break;
    case Answer::Drip:
        Write(socket, ok + "X-Filler: ");
        Drip(socket);
        break;
    case Answer::Silent:
        break;
    }
}

void NewsServer::Write(QTcpSocket* socket, const QByteArray& bytes) {
    sent += socket->write(bytes);
}

void NewsServer::Close(QTcpSocket* socket, const QByteArray& bytes) {
    Write(socket, bytes);
    socket->disconnectFromHost();
}

void NewsServer::Feed(QTcpSocket* socket, const QByteArray& piece) {
    const auto more = [this, socket, piece] {
        if (socket->state() == QAbstractSocket::ConnectedState && socket->bytesToWrite() == 0 && sent < kFeedBound)
            Write(socket, piece);
    };
    connect(socket, &QTcpSocket::bytesWritten, socket, more);
    more();
}

void NewsServer::Drip(QTcpSocket* socket) {
    auto* timer = new QTimer(socket);
    connect(timer, &QTimer::timeout, socket, [this, socket] {
        if (socket->state() == QAbstractSocket::ConnectedState) Write(socket, "a");
    });
    timer->start(10);
}

} // namespace mcb::test

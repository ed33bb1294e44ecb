// The download of the news file over a socket of its own, within the limits of DownloadPolicy: the
// answer is read as it arrives (at most the header bounds and the size cap are ever held) while the
// event loop runs, and written to the file only when it is complete. Whenever the download ends
// early (time limit, a refused redirect, a flood), its connection is closed at once.
#pragma once

#include "update/HttpAnswer.h"
#include "update/UpdateServices.h"
#include "update/ui/HostLookup.h"

#include <QAbstractSocket>
#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QTimer>
#include <QUrl>
#include <optional>

class QSslSocket;

namespace mcb {

class QtDownload : public QObject, public Download {
    Q_OBJECT
public:
    explicit QtDownload(QObject* parent = nullptr);
    ~QtDownload() override;

    void Fetch(const std::string& url, const std::string& path, std::function<void(DownloadResult)> done) override;

    // The time limit; the production value unless a test shortens it.
    void SetTimeLimit(int milliseconds) { deadline_.setInterval(milliseconds); }

private:
    void Request(const QUrl& url);
    void Found(const QList<QHostAddress>& addresses);
    void Connect();
    void Send();
    void DataArrived();
    void Closed();
    void SocketFailed(QAbstractSocket::SocketError error);
    void Answered();
    void Redirect();
    // Ends the download with a result: the connection is closed at once, nothing more is read.
    void Stop(DownloadResult result);
    void CloseSocket();
    DownloadResult Store();

    HostLookup lookup_;
    QSslSocket* socket_ = nullptr;
    bool sent_ = false;
    QTimer deadline_;
    QUrl url_;
    QList<QHostAddress> addresses_;
    std::optional<HttpAnswer> answer_;
    int redirects_ = 0;
    std::string path_;
    std::function<void(DownloadResult)> done_;
};

} // namespace mcb

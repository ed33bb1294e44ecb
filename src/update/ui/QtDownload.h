// The download of the news file over Qt's network access, within the limits of DownloadPolicy: the
// answer is collected in memory (at most the size cap) while the event loop runs, and written to the
// file only when it is complete.
#pragma once

#include "update/UpdateServices.h"

#include <QByteArray>
#include <QNetworkAccessManager>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <optional>

class QNetworkReply;

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
    void Redirected(const QUrl& target);
    void DataArrived();
    void Finished();
    // Ends the transfer early with a verdict of our own.
    void Stop(DownloadResult verdict);
    DownloadResult Store();

    QNetworkAccessManager manager_;
    QPointer<QNetworkReply> reply_;
    QTimer deadline_;
    QByteArray data_;
    std::string path_;
    std::optional<DownloadResult> verdict_;
    std::function<void(DownloadResult)> done_;
};

} // namespace mcb

#include "update/ui/QtDownload.h"

#include "storage/AtomicFile.h"
#include "update/DownloadPolicy.h"

#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>
#include <utility>

namespace mcb {

namespace {

bool Allowed(const QUrl& url) {
    return url.isValid() && RequestAllowed(url.scheme().toStdString(), url.host().toStdString());
}

} // namespace

QtDownload::QtDownload(QObject* parent) : QObject(parent) {
    deadline_.setSingleShot(true);
    deadline_.setInterval(kDownloadTimeoutMs);
    connect(&deadline_, &QTimer::timeout, this, [this] { Stop(DownloadResult::TimedOut); });
}

QtDownload::~QtDownload() {
    if (reply_) {
        reply_->disconnect(this);
        reply_->abort();
    }
}

void QtDownload::Fetch(const std::string& url, const std::string& path, std::function<void(DownloadResult)> done) {
    const QUrl target(QString::fromStdString(url), QUrl::StrictMode);
    if (reply_ || !Allowed(target)) {
        done(DownloadResult::Refused);
        return;
    }
    QNetworkRequest request(target);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::UserVerifiedRedirectPolicy);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    data_.clear();
    path_ = path;
    verdict_.reset();
    done_ = std::move(done);
    reply_ = manager_.get(request);
    connect(reply_, &QNetworkReply::redirected, this, &QtDownload::Redirected);
    connect(reply_, &QNetworkReply::readyRead, this, &QtDownload::DataArrived);
    connect(reply_, &QNetworkReply::finished, this, &QtDownload::Finished);
    deadline_.start();
}

void QtDownload::Redirected(const QUrl& target) {
    if (RedirectAllowed(target.scheme().toStdString()) && Allowed(target))
        emit reply_->redirectAllowed();
    else
        Stop(DownloadResult::Refused);
}

// Reads at most one byte beyond the cap: enough to know the answer is too long.
void QtDownload::DataArrived() {
    data_ += reply_->read(kDownloadMaxBytes + 1 - data_.size());
    if (data_.size() > kDownloadMaxBytes) Stop(DownloadResult::TooLarge);
}

void QtDownload::Stop(DownloadResult verdict) {
    if (!reply_ || verdict_) return;
    verdict_ = verdict;
    reply_->abort(); // finishes the reply, which reports the verdict
}

void QtDownload::Finished() {
    deadline_.stop();
    QNetworkReply* reply = std::exchange(reply_, nullptr);
    reply->disconnect(this);
    reply->deleteLater();
    DownloadResult result = DownloadResult::Failed;
    if (verdict_) {
        result = *verdict_;
    } else if (reply->error() == QNetworkReply::NoError) {
        data_ += reply->read(kDownloadMaxBytes + 1 - data_.size());
        result = data_.size() > kDownloadMaxBytes ? DownloadResult::TooLarge : Store();
    }
    data_.clear();
    std::exchange(done_, {})(result);
}

DownloadResult QtDownload::Store() {
    const std::string_view content(data_.constData(), std::size_t(data_.size()));
    return WriteFileAtomically(path_, content, "~news.tmp") ? DownloadResult::Ok : DownloadResult::Failed;
}

} // namespace mcb

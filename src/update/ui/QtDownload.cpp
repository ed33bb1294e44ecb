#include "update/ui/QtDownload.h"

#include "storage/AtomicFile.h"
#include "storage/Version.h"
#include "update/DownloadPolicy.h"

#include <QSslSocket>
#include <utility>

namespace mcb {

namespace {

// Bytes taken from the socket at a time; the socket holds no more than this either, so that a server
// sending without end meets a full connection instead of a growing program.
constexpr qint64 kReadChunk = 16 * 1024;
constexpr int kMaxRedirects = 8;

bool Allowed(const QUrl& url) {
    return url.isValid() && RequestAllowed(url.scheme().toStdString(), url.host().toStdString());
}

bool Secure(const QUrl& url) {
    return url.scheme().compare(QLatin1String("https"), Qt::CaseInsensitive) == 0;
}

quint16 PortOf(const QUrl& url) {
    return quint16(url.port(Secure(url) ? 443 : 80));
}

// The "Host" field: an IPv6 address in brackets, the port only when it is not the scheme's own.
std::string HostField(const QUrl& url) {
    QString host = url.host(QUrl::FullyEncoded);
    if (host.contains(QLatin1Char(':'))) host = QLatin1Char('[') + host + QLatin1Char(']');
    if (url.port() != -1 && url.port() != (Secure(url) ? 443 : 80))
        host += QLatin1Char(':') + QString::number(url.port());
    return host.toStdString();
}

std::string TargetOf(const QUrl& url) {
    QString target = url.path(QUrl::FullyEncoded);
    if (url.hasQuery()) target += QLatin1Char('?') + url.query(QUrl::FullyEncoded);
    return target.toStdString();
}

bool IsRedirect(int status) {
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

} // namespace

QtDownload::QtDownload(QObject* parent) : QObject(parent) {
    deadline_.setSingleShot(true);
    deadline_.setInterval(kDownloadTimeoutMs);
    connect(&deadline_, &QTimer::timeout, this, [this] { Stop(DownloadResult::TimedOut); });
    connect(&lookup_, &HostLookup::found, this, &QtDownload::Found);
}

QtDownload::~QtDownload() {
    CloseSocket();
}

void QtDownload::Fetch(const std::string& url, const std::string& path, std::function<void(DownloadResult)> done) {
    const QUrl target(QString::fromStdString(url), QUrl::StrictMode);
    if (done_ || !Allowed(target)) {
        done(DownloadResult::Refused);
        return;
    }
    path_ = path;
    done_ = std::move(done);
    redirects_ = 0;
    deadline_.start();
    Request(target);
}

void QtDownload::Request(const QUrl& url) {
    url_ = url;
    answer_.emplace(std::size_t(kDownloadMaxBytes));
    lookup_.Start(url.host());
}

void QtDownload::Found(const QList<QHostAddress>& addresses) {
    addresses_ = addresses;
    Connect();
}

// The addresses are tried in the resolver's order until one takes the connection.
void QtDownload::Connect() {
    CloseSocket();
    if (addresses_.isEmpty()) {
        Stop(DownloadResult::Failed);
        return;
    }
    socket_ = new QSslSocket(this);
    socket_->setReadBufferSize(kReadChunk);
    sent_ = false;
    connect(socket_, &QSslSocket::connected, this, [this] {
        if (!Secure(url_)) return Send();
        socket_->setPeerVerifyName(url_.host());
        socket_->startClientEncryption();
    });
    connect(socket_, &QSslSocket::encrypted, this, &QtDownload::Send);
    connect(socket_, &QSslSocket::readyRead, this, &QtDownload::DataArrived);
    connect(socket_, &QSslSocket::disconnected, this, &QtDownload::Closed);
    connect(socket_, &QSslSocket::errorOccurred, this, &QtDownload::SocketFailed);
    socket_->connectToHost(addresses_.takeFirst(), PortOf(url_));
}

void QtDownload::Send() {
    sent_ = true;
    const std::string request =
        HttpRequestText(HostField(url_), TargetOf(url_), std::string("Mirvane CD Base/") + kProgramVersion);
    socket_->write(request.data(), qint64(request.size()));
}

void QtDownload::DataArrived() {
    char bytes[kReadChunk];
    while (socket_ && socket_->bytesAvailable() > 0) {
        const qint64 n = socket_->read(bytes, kReadChunk);
        if (n <= 0) break;
        if (answer_->Feed(std::string_view(bytes, std::size_t(n))) != HttpAnswer::State::Reading) return Answered();
    }
}

void QtDownload::Closed() {
    DataArrived();
    if (!socket_) return;
    answer_->End();
    Answered();
}

void QtDownload::SocketFailed(QAbstractSocket::SocketError error) {
    if (!socket_) return;
    if (error == QAbstractSocket::RemoteHostClosedError && sent_) return Closed();
    if (!sent_ && !addresses_.isEmpty() && error != QAbstractSocket::SslHandshakeFailedError) return Connect();
    Stop(DownloadResult::Failed);
}

void QtDownload::Answered() {
    switch (answer_->state()) {
    case HttpAnswer::State::Reading:
        return;
    case HttpAnswer::State::TooLarge:
        return Stop(DownloadResult::TooLarge);
    case HttpAnswer::State::Malformed:
        return Stop(DownloadResult::Failed);
    case HttpAnswer::State::Complete:
        break;
    }
    if (IsRedirect(answer_->Status()) && !answer_->Location().empty()) return Redirect();
    Stop(answer_->Status() == 200 ? Store() : DownloadResult::Failed);
}

// A redirect is followed only to HTTPS, and not for ever.
void QtDownload::Redirect() {
    const QUrl target = url_.resolved(QUrl(QString::fromStdString(answer_->Location()), QUrl::StrictMode));
    if (!RedirectAllowed(target.scheme().toStdString()) || !Allowed(target)) return Stop(DownloadResult::Refused);
    if (++redirects_ > kMaxRedirects) return Stop(DownloadResult::Failed);
    CloseSocket();
    Request(target);
}

void QtDownload::Stop(DownloadResult result) {
    CloseSocket();
    lookup_.Cancel();
    deadline_.stop();
    answer_.reset();
    if (done_) std::exchange(done_, {})(result);
}

// Closing at once: the socket is reset rather than shut down politely, and its buffers go with it.
void QtDownload::CloseSocket() {
    if (!socket_) return;
    QSslSocket* socket = std::exchange(socket_, nullptr);
    socket->disconnect(this);
    socket->abort();
    socket->deleteLater();
}

DownloadResult QtDownload::Store() {
    const std::string& body = answer_->Body();
    return WriteFileAtomically(path_, body, "~news.tmp") ? DownloadResult::Ok : DownloadResult::Failed;
}

} // namespace mcb

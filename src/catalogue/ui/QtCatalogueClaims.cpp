#include "catalogue/ui/QtCatalogueClaims.h"

#include "platform/posix/CatalogueLock.h"

#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>
#include <algorithm>

namespace mcb {

namespace {

const QByteArray kRaise = "raise\n";
const QByteArray kShown = "shown\n";
const QByteArray kNotShown = "hidden\n";

QString SocketPath(const std::string& folder, const std::string& catalogue) {
    return QString::fromStdString(folder + "/" + ClaimName(catalogue) + ".sock");
}

// Answers each request on a connection to the holder's socket.
void Serve(QLocalSocket* socket, const std::function<bool()>& raise) {
    QObject::connect(socket, &QLocalSocket::readyRead, socket, [socket, raise] {
        while (socket->canReadLine())
            if (socket->readLine() == kRaise) socket->write(raise() ? kShown : kNotShown);
    });
    QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
}

} // namespace

struct QtCatalogueClaims::Holding {
    std::unique_ptr<CatalogueLock> lock;
    std::unique_ptr<QLocalServer> server;
};

namespace {

class HeldClaim : public CatalogueClaim {
public:
    explicit HeldClaim(std::shared_ptr<void> holding) : holding_(std::move(holding)) {}

private:
    std::shared_ptr<void> holding_; // null: nothing could be held
};

} // namespace

QtCatalogueClaims::QtCatalogueClaims(std::function<bool()> raise) : raise_(std::move(raise)) {}

QtCatalogueClaims::~QtCatalogueClaims() = default;

std::unique_ptr<CatalogueClaim> QtCatalogueClaims::Claim(const std::string& catalogue) {
    const std::optional<std::string> folder = ClaimFolder();
    if (!folder) return std::make_unique<HeldClaim>(nullptr);
    const std::string name = ClaimName(catalogue);
    if (std::shared_ptr<Holding> held = held_[name].lock()) return std::make_unique<HeldClaim>(held);
    auto holding = std::make_shared<Holding>();
    switch (CatalogueLock::Take(*folder, catalogue, holding->lock)) {
    case CatalogueLock::Outcome::HeldElsewhere:
        return nullptr;
    case CatalogueLock::Outcome::Unavailable:
        return std::make_unique<HeldClaim>(nullptr);
    case CatalogueLock::Outcome::Taken:
        break;
    }
    // Whatever socket is there is that of a program that held the lock before and is gone.
    const QString path = SocketPath(*folder, catalogue);
    QLocalServer::removeServer(path);
    holding->server = std::make_unique<QLocalServer>();
    holding->server->setSocketOptions(QLocalServer::UserAccessOption);
    QLocalServer* server = holding->server.get();
    QObject::connect(server, &QLocalServer::newConnection, server, [server, raise = raise_] {
        while (QLocalSocket* socket = server->nextPendingConnection()) Serve(socket, raise);
    });
    server->listen(path);
    held_[name] = holding;
    return std::make_unique<HeldClaim>(holding);
}

// A holder that is still starting may not listen yet: the connection is tried again until the time is up.
bool QtCatalogueClaims::RaiseHolder(const std::string& catalogue) {
    const std::optional<std::string> folder = ClaimFolder();
    if (!folder) return false;
    QElapsedTimer clock;
    clock.start();
    const auto left = [&clock] { return std::max(0, kAnswerWaitMs - int(clock.elapsed())); };
    QLocalSocket socket;
    for (;;) {
        socket.connectToServer(SocketPath(*folder, catalogue));
        if (socket.waitForConnected(left())) break;
        if (left() == 0) return false;
        QThread::msleep(50);
    }
    socket.write(kRaise);
    socket.flush();
    while (!socket.canReadLine())
        if (left() == 0 || !socket.waitForReadyRead(left())) return false;
    return socket.readLine() == kShown;
}

} // namespace mcb

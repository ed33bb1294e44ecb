#include "update/ui/HostLookup.h"

#include <mutex>
#include <netdb.h>
#include <sys/socket.h>
#include <thread>

namespace mcb {

// What the lookup threads and the object share: the object while it lives, and the number of the
// lookup whose answer is wanted.
struct HostLookup::Shared {
    std::mutex mutex;
    HostLookup* owner = nullptr;
    unsigned long long wanted = 0;
};

namespace {

QList<QHostAddress> Resolve(const std::string& host) {
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = AI_ADDRCONFIG;
    addrinfo* answer = nullptr;
    QList<QHostAddress> addresses;
    if (host.empty() || getaddrinfo(host.c_str(), nullptr, &hints, &answer) != 0) return addresses;
    for (const addrinfo* a = answer; a; a = a->ai_next)
        if (a->ai_addr) addresses.append(QHostAddress(a->ai_addr));
    freeaddrinfo(answer);
    return addresses;
}

} // namespace

HostLookup::HostLookup(QObject* parent) : QObject(parent), shared_(std::make_shared<Shared>()) {
    shared_->owner = this;
    qRegisterMetaType<QList<QHostAddress>>();
}

HostLookup::~HostLookup() {
    const std::lock_guard lock(shared_->mutex);
    shared_->owner = nullptr; // what was posted before goes with the object's pending events
}

void HostLookup::Start(const QString& host) {
    unsigned long long number = 0;
    {
        const std::lock_guard lock(shared_->mutex);
        number = ++shared_->wanted;
    }
    std::thread([shared = shared_, number, name = host.toStdString()] {
        const QList<QHostAddress> addresses = Resolve(name);
        const std::lock_guard lock(shared->mutex);
        if (!shared->owner || shared->wanted != number) return;
        HostLookup* owner = shared->owner;
        QMetaObject::invokeMethod(
            owner,
            [owner, shared, number, addresses] {
                std::unique_lock still(shared->mutex);
                if (shared->wanted != number) return;
                still.unlock();
                emit owner->found(addresses);
            },
            Qt::QueuedConnection);
    }).detach();
}

void HostLookup::Cancel() {
    const std::lock_guard lock(shared_->mutex);
    ++shared_->wanted;
}

} // namespace mcb

// The addresses of a host name, looked up on a thread of its own that nobody waits for: a resolver
// that hangs can neither freeze the window nor hold up the end of the program.
#pragma once

#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QString>
#include <memory>

namespace mcb {

class HostLookup : public QObject {
    Q_OBJECT
public:
    explicit HostLookup(QObject* parent = nullptr);
    // An answer still on its way is dropped.
    ~HostLookup() override;

    // Replaces any lookup still running; `found` follows from the event loop.
    void Start(const QString& host);
    // The answer of the running lookup is not announced.
    void Cancel();

signals:
    // Empty when the name has no address.
    void found(const QList<QHostAddress>& addresses);

private:
    struct Shared;
    std::shared_ptr<Shared> shared_;
};

} // namespace mcb

// The system's requests to end the program: SIGTERM (kill, shutdown), SIGHUP (the terminal or the
// session went away), SIGINT (Ctrl+C) and the session manager's end of the session (which quits the
// event loop). The program then closes as by its close box, saving what it saves at close, without
// any question that could keep it from ending: every dialog open is closed as by Cancel and no new
// one asks anything.
#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

namespace mcb {

class QuitRequests : public QObject {
    Q_OBJECT
public:
    // `close` closes the program's main window; it runs once the dialogs open at the request are
    // closed and their own event loops have ended.
    explicit QuitRequests(std::function<void()> close, QObject* parent = nullptr);
    ~QuitRequests() override;

    // True once a request came.
    bool Requested() const { return requested_; }

private:
    void Quit();
    void CloseWhenUnwound();

    std::function<void()> close_;
    QSocketNotifier* notifier_ = nullptr;
    bool requested_ = false;
};

} // namespace mcb

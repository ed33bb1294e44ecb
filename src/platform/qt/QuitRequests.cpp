#include "platform/qt/QuitRequests.h"

#include "platform/qt/ModalRun.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QThread>
#include <QTimer>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace mcb {

namespace {

constexpr int kSignals[] = {SIGTERM, SIGHUP, SIGINT};

int g_wakeUp[2] = {-1, -1}; // the handler's only way to the event loop: one byte into a pipe

extern "C" void OnQuitSignal(int) {
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(g_wakeUp[1], &byte, 1);
    errno = saved;
}

void Handle(void (*handler)(int)) {
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : kSignals) ::sigaction(signal, &action, nullptr);
}

} // namespace

QuitRequests::QuitRequests(std::function<void()> close, QObject* parent) : QObject(parent), close_(std::move(close)) {
    if (g_wakeUp[0] < 0 && ::pipe2(g_wakeUp, O_CLOEXEC | O_NONBLOCK) != 0) return;
    notifier_ = new QSocketNotifier(g_wakeUp[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] {
        char bytes[16];
        while (::read(g_wakeUp[0], bytes, sizeof bytes) > 0) continue;
        Quit();
    });
    Handle(&OnQuitSignal);
    // The session manager ends a program by quitting its event loop, past the main window's close.
    connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this, [this] {
        if (requested_) return;
        requested_ = true;
        EndModalRuns();
        close_();
    });
}

QuitRequests::~QuitRequests() {
    Handle(SIG_DFL);
}

void QuitRequests::Quit() {
    if (requested_) return;
    requested_ = true;
    EndModalRuns();
    CloseWhenUnwound();
}

// The main window closes from the program's own event loop, after the loops of the dialogs have
// ended: code waiting for a dialog then finishes before the catalogue is closed under it.
void QuitRequests::CloseWhenUnwound() {
    if (QThread::currentThread()->loopLevel() > 1) {
        QTimer::singleShot(10, this, &QuitRequests::CloseWhenUnwound);
        return;
    }
    EndModalRuns(); // anything shown meanwhile
    close_();
}

} // namespace mcb

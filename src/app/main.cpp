// Entry point: checks for a display, then starts the catalogue window.
#include <QApplication>
#include <QMainWindow>
#include <cstdio>
#include <cstdlib>

namespace {

bool HasDisplay() {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform && *platform) return true;
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return (x11 && *x11) || (wayland && *wayland);
}

} // namespace

int main(int argc, char* argv[]) {
    if (!HasDisplay()) {
        std::fprintf(stderr, "mirvane-cdbase: нет графического дисплея (DISPLAY не задан); запустите программу "
                             "под Xvfb: xvfb-run -a mirvane-cdbase [КАТАЛОГ.cbf]\n");
        return 2;
    }
    QApplication app(argc, argv);
    QMainWindow window;
    window.setObjectName("MainForm");
    window.setWindowTitle("Mirvane CD Base 1.8.1");
    window.resize(638, 425);
    window.show();
    return app.exec();
}

// Entry point: commands that need no display, then a display check, then the program's windows.
#include "app/HeadlessCommands.h"
#include "app/ProgramWindow.h"
#include "catalogue/CommandLine.h"
#include "platform/posix/ExecutablePath.h"
#include "platform/qt/QtText.h"

#include <QApplication>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <iostream>

namespace {

bool HasDisplay() {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform && *platform) return true;
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return (x11 && *x11) || (wayland && *wayland);
}

// The command line again without the options the window toolkit took for itself.
mcb::CommandLine ToolkitLeftOver(const QApplication& app) {
    std::vector<std::string> args;
    const QStringList arguments = app.arguments();
    for (qsizetype i = 1; i < arguments.size(); ++i) args.push_back(mcb::PathFromQ(arguments[i]));
    return mcb::ParseCommandLine(args);
}

} // namespace

int main(int argc, char* argv[]) {
    // A file size limit makes a write fail with EFBIG, which every save reports, instead of killing
    // the program in the middle of it.
    std::signal(SIGXFSZ, SIG_IGN);
    const mcb::CommandLine line = mcb::ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    switch (line.mode) {
    case mcb::CommandLine::Mode::Help:
        std::fputs(mcb::CommandLineHelp().c_str(), stdout);
        return 0;
    case mcb::CommandLine::Mode::Command:
        if (const mcb::HeadlessCommand* command = mcb::FindHeadlessCommand(line.command))
            return command->run({line.arguments, mcb::ExecutableDirectory(argv[0]), std::cout, std::cerr});
        break; // an option of the window toolkit
    case mcb::CommandLine::Mode::Window:
        break;
    }
    if (!HasDisplay()) {
        std::fprintf(stderr, "mirvane-cdbase: нет графического дисплея (DISPLAY не задан); запустите программу "
                             "под Xvfb: xvfb-run -a mirvane-cdbase [КАТАЛОГ.cbf]\n");
        return 2;
    }
    QApplication app(argc, argv);
    return mcb::RunProgramWindow(ToolkitLeftOver(app).catalogue, mcb::ExecutableDirectory(argv[0]));
}

#include "app/ProgramWindow.h"

#include "app/Wiring.h"
#include "catalogue/Session.h"
#include "catalogue/ui/MainForm.h"
#include "catalogue/ui/QtCatalogueClaims.h"
#include "platform/DesktopIntegration.h"
#include "platform/posix/SystemClock.h"
#include "platform/qt/HelpBrowser.h"
#include "platform/qt/QtServices.h"
#include "platform/qt/QtText.h"
#include "platform/qt/QuitRequests.h"
#include "storage/ErrorReport.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QProcess>
#include <QTranslator>

namespace mcb {

namespace {

// Standard dialog buttons read "Да", "Нет", "Отмена" like the rest of the program.
void LoadRussianTranslation(QApplication& app, QTranslator& translator) {
    if (translator.load(QLocale(QLocale::Russian), "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&translator);
}

// Another start on the open catalogue brings the program to the front: its main window, and the
// dialog open over it, if any. A program still starting has no main window yet; it shows it soon.
bool RaiseProgram(QWidget* window) {
    if (window) {
        window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
        window->show();
        window->raise();
        window->activateWindow();
    }
    if (QWidget* dialog = QApplication::activeModalWidget()) {
        dialog->raise();
        dialog->activateWindow();
    }
    return !window || (window->isVisible() && !window->isMinimized());
}

// The ".cbf" association; the desktop's MIME database is refreshed in the background when it changed.
void RegisterFileType() {
    const std::string dataHome = DataHome();
    if (!RegisterCatalogueType(PathFromQ(QCoreApplication::applicationFilePath()), dataHome)) return;
    QProcess::startDetached("update-mime-database", {PathToQ(dataHome) + "/mime"});
    QProcess::startDetached("update-desktop-database", {PathToQ(dataHome) + "/applications"});
}

} // namespace

int RunProgramWindow(const std::string& catalogue, const std::string& programDir) {
    auto& app = *qobject_cast<QApplication*>(QCoreApplication::instance());
    QTranslator translator;
    LoadRussianTranslation(app, translator);
    RegisterFileType();

    SystemClock clock;
    QtDateFormat dates;
    QPointer<QWidget> window;
    QtPrompts prompts([&window] { return window.data(); }, [&window](int topic) { ShowHelpTopic(window, topic); });
    SetErrorReporter([&prompts](const UserText& message) { prompts.Error(message); });
    const QuitRequests quit([&window] {
        if (window) window->close();
    });
    QtCatalogueClaims claims([&window] { return RaiseProgram(window); });
    Session session(SessionServices{clock, dates, prompts, &claims}, programDir);
    const StartOutcome started =
        session.Start(catalogue.empty() ? std::nullopt : std::optional<std::string>(catalogue));
    if (started == StartOutcome::Started && quit.Requested()) session.Shutdown();
    if (started != StartOutcome::Started || quit.Requested()) {
        SetErrorReporter({});
        return started == StartOutcome::HeldElsewhere ? 1 : 0;
    }
    TMainForm form(session);
    window = &form;
    WireProgram(form);
    form.show();
    const int result = QApplication::exec();
    SetErrorReporter({});
    return result;
}

} // namespace mcb

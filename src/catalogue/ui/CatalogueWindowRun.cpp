#include "catalogue/ui/CatalogueWindowRun.h"

#include "catalogue/Session.h"
#include "catalogue/ui/MainForm.h"
#include "platform/qt/HelpBrowser.h"
#include "platform/qt/QtServices.h"

#include <QApplication>
#include <QPointer>

namespace mcb {

int RunCatalogueWindow(const std::string& catalogue, const std::string& programDir) {
    QtClock clock;
    QtDateFormat dates;
    QPointer<QWidget> window;
    QtPrompts prompts([&window] { return window.data(); }, [&window](int topic) { ShowHelpTopic(window, topic); });
    Session session(SessionServices{clock, dates, prompts}, programDir);
    session.Start(catalogue.empty() ? std::nullopt : std::optional<std::string>(catalogue));
    TMainForm form(session);
    window = &form;
    form.show();
    return QApplication::exec();
}

} // namespace mcb

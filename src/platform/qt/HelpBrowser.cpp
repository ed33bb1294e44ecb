#include "platform/qt/HelpBrowser.h"

#include "platform/HelpPages.h"
#include "platform/Services.h"
#include "platform/qt/QtText.h"
#include "storage/Literal.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace mcb {

namespace {

QString PageName(int topic) {
    return topic == 0 ? QStringLiteral("index.html") : QStringLiteral("topic-%1.html").arg(topic);
}

// One help window for the whole run, reused for every topic.
QDialog* HelpWindow(QWidget* parent) {
    static QPointer<QDialog> window;
    if (!window) {
        window = new QDialog(parent, Qt::Window);
        window->setObjectName("HelpWindow");
        window->setWindowTitle(QStringLiteral("Справка Mirvane CD Base"));
        window->resize(640, 480);
        auto* browser = new QTextBrowser(window);
        browser->setObjectName("HelpText");
        browser->setOpenExternalLinks(true);
        browser->setSearchPaths({HelpDirectory()});
        auto* layout = new QVBoxLayout(window);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(browser);
    }
    return window;
}

} // namespace

QString HelpDirectory() {
    return PathToQ(FindHelpDirectory(PathFromQ(QCoreApplication::applicationDirPath()), MCB_SOURCE_DIR));
}

bool ShowHelpTopic(QWidget* parent, int topic) {
    const QString dir = HelpDirectory();
    const QString page = QDir(dir).filePath(PageName(topic));
    // An empty folder would be the current one.
    if (dir.isEmpty() || !QFileInfo(page).isFile()) return false;
    QDialog* window = HelpWindow(parent);
    window->findChild<QTextBrowser*>("HelpText")->setSource(QUrl::fromLocalFile(page));
    window->show();
    window->raise();
    window->activateWindow();
    return true;
}

bool HelpKey(QWidget* window, const QKeyEvent& event, int topic, Prompts& prompts) {
    if (event.key() != Qt::Key_F1) return false;
    if (!ShowHelpTopic(window, topic)) prompts.Message(W("Не найден файл справки"));
    return true;
}

} // namespace mcb

// An end request while a dialog waits for the user: the dialog is cancelled, no question is shown any
// more, and the main window closes only once the dialog's event loop has ended.
#include "platform/qt/ModalRun.h"
#include "platform/qt/QtServices.h"
#include "platform/qt/QuitRequests.h"

#include <QDialog>
#include <QEventLoop>
#include <QTimer>
#include <QtTest>
#include <csignal>

using namespace mcb;

class QuitRequestsTest : public QObject {
    Q_OBJECT

private slots:
    void signalCancelsTheDialogsThenCloses() {
        std::vector<std::string> events;
        QEventLoop program; // the program's own event loop, and a dialog's inside it
        QuitRequests quit([&] {
            events.push_back("closed");
            program.quit();
        });
        QDialog dialog;
        int result = -1;
        QTimer::singleShot(0, [&] {
            result = RunModal(dialog);
            events.push_back("dialog ended");
        });
        QTimer::singleShot(100, [] { std::raise(SIGTERM); });
        program.exec();
        QCOMPARE(result, int(QDialog::Rejected));
        QVERIFY(quit.Requested());
        QCOMPARE(events, (std::vector<std::string>{"dialog ended", "closed"}));
        // From now on nothing waits for an answer.
        QtPrompts prompts;
        QVERIFY(!prompts.Confirm("?"));
        QCOMPARE(prompts.Ask("?", 0), Answer::Cancel);
        QVERIFY(!prompts.Answering());
        QDialog later;
        QCOMPARE(RunModal(later), int(QDialog::Rejected));
        QVERIFY(!later.isVisible());
    }
};

QTEST_MAIN(QuitRequestsTest)
#include "QuitRequests_test.moc"

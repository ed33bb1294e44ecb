// The program's wiring over a real session: which commands it connects, and the windows the list
// and journal commands open on the open catalogue.
#include "WiredProgram.h"
#include "catalogue/ui/MainTableView.h"
#include "platform/qt/ModalRun.h"

#include <QAction>
#include <QDialog>
#include <QToolButton>
#include <QtTest>
#include <memory>

using namespace mcb;

class WiringTest : public QObject {
    Q_OBJECT

private:
    test::WiredProgram program;
    TMainForm* form = nullptr;

private slots:
    void initTestCase() {
        program.dir.Write("base.cbf", "[Common]\r\nLastCDID=00001\r\n[00001]\r\nNam=Alpha\r\nGin=-1\r\n");
        QVERIFY(program.Start());
        form = program.form.get();
    }
    void cleanupTestCase() { program.Stop(); }

    void commandsOfBuiltWindowsAreEnabled_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("enabled");
        for (const char* wired : {"mmAddCD", "mmEditCD", "mmKillCD", "mmGiveCD", "mmReturnCD", "mmFilter", "mmMagazine",
                                  "svodka", "N24", "mmGenres", "mmCountries", "mmContactList", "mmCompList", "N7",
                                  "N13", "N11", "mmMainSetup", "N22", "mmAboutPrg"})
            QTest::newRow(wired) << QString(wired) << true;
        for (const char* waiting : {"mmPrintBase", "mmExcel"}) QTest::newRow(waiting) << QString(waiting) << false;
    }

    void commandsOfBuiltWindowsAreEnabled() {
        QFETCH(QString, name);
        QFETCH(bool, enabled);
        QCOMPARE(form->commands()[name.toLatin1().constData()]->isEnabled(), enabled);
    }

    void listAndJournalCommandsOpenTheirWindows_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("caption");
        QTest::newRow("genres") << "mmGenres"
                                << "mcb::TDictForm"
                                << "Список";
        QTest::newRow("contacts") << "ToolButton20"
                                  << "mcb::TDictForm"
                                  << "Список";
        QTest::newRow("journal") << "ToolButton16"
                                 << "mcb::TMagForm"
                                 << "Журнал событий";
    }

    void listAndJournalCommandsOpenTheirWindows() {
        QFETCH(QString, control);
        QFETCH(QString, window);
        QFETCH(QString, caption);
        QString seen;
        QueueModalScript([&seen](QDialog& dialog) {
            seen = QString(dialog.metaObject()->className()) + "|" + dialog.windowTitle();
            dialog.reject();
        });
        if (control.startsWith("ToolButton"))
            form->findChild<QToolButton*>(control)->click();
        else
            form->commands()[control.toLatin1().constData()]->trigger();
        QCOMPARE(seen, window + "|" + caption);
        QCOMPARE(PendingModalScripts(), 0);
        QVERIFY(form->table()->hasFocus() || !form->isActiveWindow());
        QVERIFY(program.prompts.asked.empty());
    }
};

QTEST_MAIN(WiringTest)
#include "Wiring_test.moc"

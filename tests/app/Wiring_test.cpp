// The program's wiring over a real session: which commands it connects, and the windows the list
// and journal commands open on the open catalogue.
#include "WiredProgram.h"
#include "catalogue/ui/MainTableView.h"
#include "platform/qt/ModalRun.h"

#include <QAction>
#include <QDialog>
#include <QPushButton>
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
        for (const char* wired :
             {"mmAddCD", "mmEditCD", "mmKillCD",    "mmGiveCD",    "mmReturnCD",    "mmFilter",   "mmMagazine",
              "svodka",  "N24",      "mmGenres",    "mmCountries", "mmContactList", "mmCompList", "N7",
              "N13",     "N11",      "mmMainSetup", "N22",         "mmAboutPrg",    "mmPrintBase", "mmExcel"})
            QTest::newRow(wired) << QString(wired);
    }

    void commandsOfBuiltWindowsAreEnabled() {
        QFETCH(QString, name);
        QVERIFY(form->commands()[name.toLatin1().constData()]->isEnabled());
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
        QTest::newRow("print") << "mmPrintBase"
                               << "mcb::TPrintForm"
                               << "Печать базы";
        QTest::newRow("print button") << "ToolButton5"
                                      << "mcb::TPrintForm"
                                      << "Печать базы";
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

    // "Печать" of the summary window opens the print window for the sheet of the disc shown.
    void summaryPrintsTheDiscSheet() {
        bool sheet = false;
        QueueModalScript([](QDialog& dialog) {
            auto* print = dialog.findChild<QPushButton*>("PrintNfo");
            QVERIFY(print && print->isEnabled());
            print->click();
            dialog.reject();
        });
        QueueModalScript([&sheet](QDialog& dialog) {
            sheet = QString(dialog.metaObject()->className()) == "mcb::TPrintForm" &&
                    dialog.findChild<QWidget*>("DiskPrintParameters")->isVisibleTo(&dialog) &&
                    !dialog.findChild<QWidget*>("PrintBaseGroup")->isVisibleTo(&dialog);
            dialog.reject();
        });
        form->commands()["svodka"]->trigger();
        QVERIFY(sheet);
        QCOMPARE(PendingModalScripts(), 0);
    }
};

QTEST_MAIN(WiringTest)
#include "Wiring_test.moc"

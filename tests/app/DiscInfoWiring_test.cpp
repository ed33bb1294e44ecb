// The disc views wired into the program: the debtors window from the start-up timer, the summary
// from the table, and the information group following the current row.
#include "WiredProgram.h"
#include "catalogue/ui/MainTableView.h"
#include "discs/ui/DiscInfoGroup.h"
#include "discs/ui/TDolgForm.h"
#include "platform/qt/ModalRun.h"
#include "storage/Literal.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTableView>
#include <QtTest>

using namespace mcb;

class DiscInfoWiringTest : public QObject {
    Q_OBJECT

private slots:
    void debtorsWindowOpensFromTheStartupTimerAndSummaryFromTheTable() {
        test::WiredProgram program;
        const int today = program.clock.Today();
        program.dir.Write("config/mirvane-cdbase/MirvaneCDB.ini",
                          "[Setup]\r\nDolgReminder=1\r\nDolgDays=10\r\nSortOrder=1\r\n");
        program.dir.Write("base.cbf", W("[Common]\r\nLastCDID=00003\r\nContacts=1\r\n[Contacts]\r\n0=Иван\r\n1=Анна\r\n"
                                        "[00001]\r\nNam=Бета\r\nGin=0\r\nGiv=") +
                                          std::to_string(today - 11) + W("\r\n[00002]\r\nNam=Альфа\r\nGin=1\r\nGiv=") +
                                          std::to_string(today - 10) + W("\r\n[00003]\r\nNam=Гамма\r\nLon=90\r\n"));
        QStringList debts;
        QueueModalScript([&debts](QDialog& dialog) {
            auto& form = dynamic_cast<TDolgForm&>(dialog);
            for (const DebtorsRow& row : form.list().rows())
                debts << QString::fromStdString(row.debt.days) + " " +
                             form.DolgList->model()->index(0, 2).data().toString();
        });
        QVERIFY(program.Start());
        QTRY_COMPARE_WITH_TIMEOUT(PendingModalScripts(), 0, 3000);
        QCOMPARE(debts, QStringList({"11 Бета"})); // 10 days is not yet overdue

        TMainForm& form = *program.form;
        auto* group = form.findChild<DiscInfoGroup*>("GroupInfo");
        QVERIFY(group);
        QCOMPARE(group->discId(), std::string("00002")); // the first row, sorted by title
        QTest::keyClick(form.table(), Qt::Key_Down);
        QCOMPARE(group->discId(), std::string("00001"));
        QCOMPARE(group->LabNalStat->text(), QStringLiteral("отдан в долг"));

        QString summary;
        QueueModalScript([&summary](QDialog& dialog) {
            summary = dialog.windowTitle() + "|" + dialog.findChild<QPlainTextEdit*>("nfo")->toPlainText();
        });
        QTest::keyClick(form.table(), Qt::Key_F3);
        QTRY_COMPARE(PendingModalScripts(), 0);
        QCOMPARE(summary, QStringLiteral("CDinfo|Название : Бета\n \n \n"));
        QVERIFY(program.prompts.asked.empty());
    }

    // "Должники..." of the disc menu and of the table's context menu lists the debts overdue now,
    // with the reminder off, for the catalogue as it is.
    void debtorsCommandOpensTheWindowAtAnyTime() {
        test::WiredProgram program;
        const int today = program.clock.Today();
        program.dir.Write("config/mirvane-cdbase/MirvaneCDB.ini", "[Setup]\r\nDolgReminder=0\r\nDolgDays=10\r\n");
        program.dir.Write("base.cbf", W("[Common]\r\nLastCDID=00001\r\nContacts=0\r\n[Contacts]\r\n0=Иван\r\n"
                                        "[00001]\r\nNam=Бета\r\nGin=0\r\nGiv=") +
                                          std::to_string(today - 11) + "\r\n");
        QVERIFY(program.Start());
        TMainForm& form = *program.form;
        auto* command = form.findChild<QAction*>("mmDolg");
        QVERIFY(command && command->isEnabled());
        QCOMPARE(command->text().remove('&'), QStringLiteral("Должники..."));
        QVERIFY(form.findChild<QMenu*>("mmDisk")->actions().contains(command));
        auto* popup = form.findChild<QAction*>("N25");
        QVERIFY(popup && popup->isEnabled());
        for (QAction* item : {command, popup}) {
            QStringList debtors;
            QueueModalScript([&debtors](QDialog& dialog) {
                for (const DebtorsRow& row : dynamic_cast<TDolgForm&>(dialog).list().rows())
                    debtors << QString::fromStdString(row.debt.days);
            });
            item->trigger();
            QCOMPARE(PendingModalScripts(), 0);
            QCOMPARE(debtors, QStringList({"11"}));
        }
        QVERIFY(program.prompts.asked.empty());
    }
};

QTEST_MAIN(DiscInfoWiringTest)
#include "DiscInfoWiring_test.moc"

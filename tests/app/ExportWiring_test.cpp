// The export command of the main window: its menu item and toolbar button open the export window,
// and an empty table is refused before the window opens.
#include "WiredProgram.h"
#include "platform/qt/ModalRun.h"
#include "storage/Literal.h"

#include <QAction>
#include <QDialog>
#include <QToolButton>
#include <QtTest>

using namespace mcb;

class ExportWiringTest : public QObject {
    Q_OBJECT

private slots:
    void commandOpensTheExportWindow() {
        test::WiredProgram program;
        program.dir.Write("base.cbf", "[Common]\r\nLastCDID=00001\r\n[00001]\r\nNam=Alpha\r\nGin=-1\r\n");
        QVERIFY(program.Start());
        for (const bool byButton : {false, true}) {
            QString seen;
            QueueModalScript([&seen](QDialog& dialog) {
                seen = QString(dialog.metaObject()->className()) + "|" + dialog.windowTitle();
                dialog.reject();
            });
            if (byButton)
                program.form->findChild<QToolButton*>("ToolButton27")->click();
            else
                program.form->commands()["mmExcel"]->trigger();
            QCOMPARE(seen, QStringLiteral("mcb::TExcelForm|Экспорт в Excel"));
            QCOMPARE(PendingModalScripts(), 0);
        }
        QVERIFY(program.prompts.asked.empty());
    }

    void emptyTableIsRefusedBeforeTheWindowOpens() {
        test::WiredProgram program;
        program.dir.Write("base.cbf", "[Common]\r\nLastCDID=0\r\n");
        QVERIFY(program.Start());
        program.form->commands()["mmExcel"]->trigger();
        QCOMPARE(program.prompts.asked, std::vector<std::string>{"message: " + W("Нет данных для экспорта")});
    }
};

QTEST_MAIN(ExportWiringTest)
#include "ExportWiring_test.moc"

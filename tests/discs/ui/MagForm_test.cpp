// The journal window in both modes, driven through its widgets.
#include "discs/ui/TMagForm.h"
#include "storage/Literal.h"
#include "storage/Settings.h"
#include "support/FakeServices.h"
#include "support/TempDir.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using mcb::TMagForm;
using mcb::test::TempDir;

class MagFormTest : public QObject {
    Q_OBJECT

private:
    TempDir dir;
    std::string path = dir.File("base.log");
    mcb::WindowSettings window;
    mcb::test::ScriptedPrompts prompts;

    static bool IsWindowFace(const QPlainTextEdit* memo) {
        return memo->palette().color(QPalette::Base) == QApplication::palette().color(QPalette::Window);
    }

private slots:
    void journalModeShowsTheJournalReadOnly() {
        dir.Write("base.log", "08.12.2026 16:45:19 : one\r\n08.12.2026 16:45:20 : two\r\n");
        TMagForm form(window, prompts);
        form.LoadJournal(path, "");
        form.show();
        QCOMPARE(form.windowTitle(), QStringLiteral("Журнал событий"));
        QVERIFY(form.MemoMag->isReadOnly());
        QVERIFY(IsWindowFace(form.MemoMag));
        QVERIFY(!form.ButEd->isHidden() && form.ButEd->isEnabled());
        QCOMPARE(form.MemoMag->toPlainText(), QStringLiteral("08.12.2026 16:45:19 : one\n08.12.2026 16:45:20 : two\n"));
        QCOMPARE(form.MemoMag->textCursor().position(), 26); // start of the last line
        QCOMPARE(form.size(), QSize(600, 400));
        QCOMPARE(form.minimumSize(), QSize(400, 300));
    }

    // A line too long to show whole (a title of megabytes in an event) is shown cut, and the journal
    // cannot then be edited, since saving the screen would cut the file too.
    void journalWithAHugeLineIsShownCutAndNotEdited() {
        const std::string event = "08.12.2026 16:45:19 : " + std::string(100000, 'x');
        dir.Write("base.log", event + "\r\nshort\r\n");
        TMagForm form(window, prompts);
        form.LoadJournal(path, "");
        QCOMPARE(form.MemoMag->toPlainText(), QString::fromStdString(event.substr(0, 32767)) + "\nshort\n");
        QVERIFY(!form.ButEd->isEnabled());
        form.Button2->click();
        QCOMPARE(TempDir::Read(path), event + "\r\nshort\r\n");
    }

    void closeSavesAnEditedJournalAndTheBorderIconDiscards() {
        for (const bool byEscape : {false, true}) {
            dir.Write("base.log", "old\r\n");
            TMagForm form(window, prompts);
            form.LoadJournal(path, "");
            form.show();
            QTest::mouseClick(form.ButEd, Qt::LeftButton);
            QVERIFY(!form.MemoMag->isReadOnly());
            QVERIFY(!IsWindowFace(form.MemoMag));
            QVERIFY(!form.ButEd->isEnabled());
            form.MemoMag->setPlainText(QStringLiteral("новая\nстрока"));
            if (byEscape)
                QTest::keyClick(form.MemoMag, Qt::Key_Escape);
            else
                QTest::mouseClick(form.Button2, Qt::LeftButton);
            QVERIFY(form.isHidden());
            QCOMPARE(TempDir::Read(path), mcb::W("новая\r\nстрока\r\n"));
        }
        TMagForm form(window, prompts);
        form.LoadJournal(path, "");
        form.show();
        QTest::mouseClick(form.ButEd, Qt::LeftButton);
        form.MemoMag->setPlainText(QStringLiteral("discarded"));
        form.close();
        QCOMPARE(TempDir::Read(path), mcb::W("новая\r\nстрока\r\n"));
    }

    void closeWithoutEditingLeavesTheFileAlone() {
        dir.Write("base.log", "a\nb");
        TMagForm form(window, prompts);
        form.LoadJournal(path, "");
        form.show();
        QTest::mouseClick(form.Button2, Qt::LeftButton);
        QVERIFY(form.isHidden());
        QCOMPARE(TempDir::Read(path), std::string("a\nb"));
    }

    void unstorableCharactersKeepTheWindowOpen() {
        dir.Write("base.log", "old\r\n");
        TMagForm form(window, prompts);
        form.LoadJournal(path, "");
        form.show();
        QTest::mouseClick(form.ButEd, Qt::LeftButton);
        form.MemoMag->setPlainText(QStringLiteral("снег ☃"));
        QTest::mouseClick(form.Button2, Qt::LeftButton);
        QCOMPARE(prompts.asked.back(),
                 std::string("unstorable: Символы «☃» нельзя сохранить в журнале. Исправьте текст."));
        QVERIFY(form.isVisible());
        QCOMPARE(form.MemoMag->toPlainText(), QStringLiteral("снег ☃"));
        QCOMPARE(TempDir::Read(path), std::string("old\r\n"));
    }

    void descriptionModeAndAMissingJournal() {
        window.MagazWidth = 700;
        TMagForm form(window, prompts);
        form.LoadDescription(mcb::W("Фильм"), mcb::W("строка 1\r\nстрока 2"));
        form.show();
        QCOMPARE(form.windowTitle(), QStringLiteral("Фильм"));
        QCOMPARE(form.MemoMag->toPlainText(), QStringLiteral("строка 1\nстрока 2"));
        QVERIFY(form.MemoMag->isReadOnly());
        QVERIFY(form.ButEd->isHidden());
        QCOMPARE(form.width(), 700);
        QTest::mouseClick(form.Button2, Qt::LeftButton);
        QVERIFY(form.isHidden());

        form.LoadJournal(dir.File("missing.log"), "");
        QCOMPARE(form.MemoMag->toPlainText(), QString());
        QVERIFY(!form.ButEd->isHidden());
    }
};

QTEST_MAIN(MagFormTest)
#include "MagForm_test.moc"

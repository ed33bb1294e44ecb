// The settings dialog driven through its controls: what it shows, what it keeps however it is closed,
// when the table must be rebuilt, and what its number fields accept.
#include "lists/ui/SpinEdit.h"
#include "lists/ui/TSetupForm.h"
#include "platform/qt/ModalRun.h"
#include "storage/Literal.h"
#include "support/FakeServices.h"

#include <QApplication>
#include <QCheckBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <functional>

using namespace mcb;

class SetupFormTest : public QObject {
    Q_OBJECT

private:
    test::ScriptedPrompts prompts;
    TSetupForm form{prompts};
    TableLayout layout = BuiltInLayout();

    // Opens the dialog over `setup`, lets `user` act on it and closes it the way named; returns
    // whether the table must be rebuilt.
    bool Run(SetupSettings& setup, const std::function<void(TSetupForm&)>& user, const QString& closing = "button") {
        QueueModalScript([&](QDialog&) {
            user(form);
            if (closing == "button") form.BitBtn1->click();
            if (closing == "escape") QTest::keyClick(&form, Qt::Key_Escape);
            if (closing == "close box") form.close();
        });
        const bool rebuild = form.Execute(setup, layout);
        Q_ASSERT(PendingModalScripts() == 0);
        return rebuild;
    }
    static void Type(SpinEdit* spin, const QString& text) {
        spin->findChild<QLineEdit*>()->selectAll();
        QTest::keyClick(spin, Qt::Key_Delete);
        QTest::keyClicks(spin, text);
    }

private slots:
    void showsTheSettingsInRange() {
        SetupSettings setup;
        setup.SortOrder = 11;
        setup.Truncate = 99;
        setup.NewCDdays = 5;
        setup.MagazLines = 123456;
        setup.DolgDays = -4;
        setup.MagazEvents = 24;
        setup.Magazine = false;
        layout.headers[11] = W("Формат");
        form.Prepare(setup, layout);
        form.show();
        QCOMPARE(form.LBSort->count(), 12);
        QCOMPARE(form.LBSort->item(0)->text(), QString("Без сортировки"));
        QCOMPARE(form.LBSort->item(11)->text(), QString("Формат"));
        QCOMPARE(form.LBSort->currentRow(), 11);
        QCOMPARE(form.SEMultiTrunc->value(), 20);
        QCOMPARE(form.SEShowNew->value(), 10);
        QCOMPARE(form.SELines->value(), 9999);
        QCOMPARE(form.SEDolg->value(), 1);
        QCOMPARE(form.eventBoxes[3]->isChecked() && form.eventBoxes[4]->isChecked(), true);
        QCOMPARE(form.eventBoxes[0]->isChecked() || form.eventBoxes[1]->isChecked() || form.eventBoxes[2]->isChecked(),
                 false);
        QVERIFY(!form.MagazPan->isVisible());
        form.CBMag->click();
        QVERIFY(form.MagazPan->isVisible());
        form.reject();
        QCOMPARE(setup.Truncate, 20); // shown in range, kept in range
        QCOMPARE(setup.MagazLines, 9999);
        QCOMPARE(setup.Magazine, true);
        layout = BuiltInLayout();
    }

    void everyWayOfClosingKeepsTheChanges_data() {
        QTest::addColumn<QString>("closing");
        for (const char* way : {"button", "escape", "close box"}) QTest::newRow(way) << QString(way);
    }

    void everyWayOfClosingKeepsTheChanges() {
        QFETCH(QString, closing);
        SetupSettings setup;
        const bool rebuild = Run(
            setup,
            [](TSetupForm& f) {
                Type(f.SEMultiTrunc, "7");
                for (int i : {0, 1, 2}) f.eventBoxes[i]->click();
                f.CBMag->click();
                f.CBBackUp->click();
                f.LBSort->setFocus();
                QTest::keyClick(f.LBSort, Qt::Key_Home);
            },
            closing);
        QVERIFY(rebuild);
        QCOMPARE(setup.SortOrder, 0);
        QCOMPARE(setup.Truncate, 7);
        QCOMPARE(setup.MagazEvents, 24);
        QCOMPARE(setup.Magazine, false);
        QCOMPARE(setup.BackUpBase, false);
        QCOMPARE(setup.NewCDdays, 15);
    }

    void sortOrderOutsideTheListIsShownAtTheNearestItemAndKept_data() {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("shown");
        QTest::newRow("above") << 15 << 11;
        QTest::newRow("below") << -1 << 0;
    }

    // Opening the dialog and giving the list the focus is no choice of the user's.
    void sortOrderOutsideTheListIsShownAtTheNearestItemAndKept() {
        QFETCH(int, stored);
        QFETCH(int, shown);
        SetupSettings setup;
        setup.SortOrder = stored;
        const bool rebuild = Run(setup, [&](TSetupForm& f) {
            QCOMPARE(f.LBSort->currentRow(), shown);
            QFocusEvent focusIn(QEvent::FocusIn, Qt::TabFocusReason);
            QApplication::sendEvent(f.LBSort, &focusIn);
            QCOMPARE(f.LBSort->currentRow(), shown);
        });
        QVERIFY(!rebuild);
        QCOMPARE(setup.SortOrder, stored);
    }

    void rebuildOnlyAfterChangesTheTableShows_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<bool>("rebuild");
        QTest::newRow("untouched") << "" << false;
        QTest::newRow("journal lines") << "SELines" << false;
        QTest::newRow("debt days") << "SEDolg" << false;
        QTest::newRow("reminder") << "CBDolg" << false;
        QTest::newRow("new-disc age") << "SEShowNew" << true;
        QTest::newRow("new-disc mark") << "ShowNew" << true;
        QTest::newRow("empty values") << "EmptyFields" << true;
        QTest::newRow("debtor colour") << "CBColorDolg" << true;
    }

    void rebuildOnlyAfterChangesTheTableShows() {
        QFETCH(QString, control);
        QFETCH(bool, rebuild);
        SetupSettings setup;
        QCOMPARE(Run(setup,
                     [&](TSetupForm& f) {
                         if (auto* spin = f.findChild<SpinEdit*>(control)) Type(spin, "33");
                         if (auto* box = f.findChild<QCheckBox*>(control)) box->click();
                     }),
                 rebuild);
    }

    void numberFieldsTakeDigitsAndKeepTheirRange_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("stored");
        QTest::newRow("letters refused") << "a2x5" << 25;
        QTest::newRow("above the range") << "99" << 60;
        QTest::newRow("below the range") << "3" << 10;
        QTest::newRow("nothing") << "" << 10;
        QTest::newRow("a sign alone") << "-" << 10;
        QTest::newRow("a negative number") << "-40" << 10;
    }

    void numberFieldsTakeDigitsAndKeepTheirRange() {
        QFETCH(QString, typed);
        QFETCH(int, stored);
        SetupSettings setup;
        Run(setup, [&](TSetupForm& f) { Type(f.SEShowNew, typed); });
        QCOMPARE(setup.NewCDdays, stored);
        QCOMPARE(form.SEShowNew->findChild<QLineEdit*>()->maxLength(), 2);
        QCOMPARE(form.SELines->findChild<QLineEdit*>()->maxLength(), 4);
    }
};

QTEST_MAIN(SetupFormTest)
#include "SetupForm_test.moc"

// The debtors window driven through its widgets: the sorted, ticked list, ticking by click and by the
// header cell, and the letters handed to a recording shell.
#include "discs/ui/TDolgForm.h"
#include "platform/qt/ModalRun.h"
#include "storage/Literal.h"
#include "storage/MyIniFiles.h"
#include "storage/Settings.h"
#include "support/FakeServices.h"
#include "support/TempDir.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTableView>
#include <QTest>

using namespace mcb;

class DolgFormTest : public QObject {
    Q_OBJECT

private:
    test::TempDir dir;
    test::ScriptedPrompts prompts;
    test::RecordingShell shell;
    test::FixedClock clock{46364, 60319};
    test::FixedDateFormat dates;

    static std::vector<DebtRow> Debts() {
        return {{W("Петр"), W("Сталкер"), "20", "petr@example.org", "1"},
                {W("Анна"), W("Солярис"), "21", "", "2"},
                {W("Петр"), W("Зеркало"), "22", "petr@example.org", "1"},
                {W("Иван"), W("Ностальгия"), "30", "ivan@example.org", "3"}};
    }

    static QString Cell(const TDolgForm& form, int row, int column) {
        return form.DolgList->model()->index(row, column).data().toString();
    }

    static QPoint TickCell(const TDolgForm& form, int row) {
        return form.DolgList->visualRect(form.DolgList->model()->index(row, 0)).center();
    }

private slots:
    void listsTheDebtsSortedAndTicked() {
        TDolgForm form(prompts, shell, clock, dates);
        form.LoadDebts(Debts());
        form.show();
        QCOMPARE(form.windowTitle(), QStringLiteral("Должники"));
        QCOMPARE(form.size(), QSize(536, 288));
        // Equal debtors come out in the exchange sort's order, not in the order they were collected.
        const QStringList expected = {"Анна|Солярис|21|", "Иван|Ностальгия|30|ivan@example.org",
                                      "Петр|Зеркало|22|petr@example.org", "Петр|Сталкер|20|petr@example.org"};
        for (int row = 0; row < 4; ++row) {
            QCOMPARE(Cell(form, row, 1) + "|" + Cell(form, row, 2) + "|" + Cell(form, row, 3) + "|" +
                         Cell(form, row, 4),
                     expected[row]);
            QVERIFY(form.list().rows()[size_t(row)].ticked);
        }
        QCOMPARE(form.DolgList->model()->headerData(3, Qt::Horizontal).toString(), QStringLiteral("Срок долга"));
        QCOMPARE(form.DolgList->horizontalHeader()->sectionSize(0), 16);
        QVERIFY(form.DolgEMail->isEnabled());
    }

    void clicksTickRowsAndTheHeaderCellTicksAll() {
        TDolgForm form(prompts, shell, clock, dates);
        form.LoadDebts(Debts());
        form.show();
        QWidget* cells = form.DolgList->viewport();
        QTest::mouseClick(cells, Qt::LeftButton, {}, TickCell(form, 1));
        QVERIFY(!form.list().rows()[1].ticked);
        QTest::mousePress(cells, Qt::LeftButton, {}, TickCell(form, 2));
        QTest::mouseRelease(cells, Qt::LeftButton, {}, TickCell(form, 2) + QPoint(0, 3));
        QVERIFY2(form.list().rows()[2].ticked, "a drag is not a click");
        QTest::mouseClick(cells, Qt::LeftButton, {},
                          form.DolgList->visualRect(form.DolgList->model()->index(0, 2)).center());
        QVERIFY2(form.list().rows()[0].ticked, "only the tick column ticks");

        QHeaderView* header = form.DolgList->horizontalHeader();
        const QPoint headerCell(header->sectionViewportPosition(0) + 8, header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, headerCell);
        QVERIFY(form.list().rows()[1].ticked && !form.list().rows()[0].ticked && !form.list().rows()[3].ticked);
        QTest::mouseClick(cells, Qt::LeftButton, {}, TickCell(form, 1));
        QVERIFY(!form.list().AnyTicked());
        QVERIFY(!form.DolgEMail->isEnabled());
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, headerCell);
        QVERIFY(form.DolgEMail->isEnabled());
    }

    void lettersGoToTheShellAndTheCountIsShown() {
        TDolgForm form(prompts, shell, clock, dates);
        form.LoadDebts(Debts());
        form.show();
        QTest::mouseClick(form.DolgList->viewport(), Qt::LeftButton, {}, TickCell(form, 1)); // Иван unticked
        prompts.ExpectText(W("anna@example.org"));
        QTest::mouseClick(form.DolgEMail, Qt::LeftButton);
        QCOMPARE(prompts.asked.size(), size_t(2));
        QCOMPARE(prompts.asked[0], "input: " + W("Отсутствует e-mail должника Анна / У должника Анна нет адреса "
                                                 "e-mail.\nДля отправки напоминания введите e-mail:"));
        QCOMPARE(prompts.asked[1], "message: " + W("Создано 2 письма-напоминания."));
        QCOMPARE(shell.links.size(), size_t(2));
        QVERIFY(shell.links[0].starts_with("mailto:anna@example.org?subject="));
        QVERIFY(shell.links[1].starts_with("mailto:petr@example.org?subject="));
        QVERIFY(shell.links[1].find("%D0%A1%D1%82%D0%B0%D0%BB%D0%BA%D0%B5%D1%80") != std::string::npos); // Сталкер
        QVERIFY(form.isHidden());
    }

    void enterSendsNothingAndSpaceTicksTheCurrentRow() {
        shell.links.clear();
        prompts.asked.clear();
        TDolgForm form(prompts, shell, clock, dates);
        form.LoadDebts(Debts());
        form.show();
        QVERIFY(!form.DolgEMail->isDefault() && !form.DolgCancel->isDefault());
        form.DolgList->setCurrentIndex(form.DolgList->model()->index(2, 1));
        QTest::keyClick(form.DolgList, Qt::Key_Space);
        QVERIFY(!form.list().rows()[2].ticked);
        QTest::keyClick(form.DolgList, Qt::Key_Space);
        QVERIFY(form.list().rows()[2].ticked && form.list().rows()[1].ticked);
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) QTest::keyClick(form.DolgList, key);
        QVERIFY(shell.links.empty());
        QVERIFY(prompts.asked.empty());
        QVERIFY(form.isVisible());
    }

    // The designed size is the smallest; enlarged, the four columns keep their shares of the list,
    // and the widths stored are those of the designed size.
    void enlargedWindowSharesItsWidthAmongTheColumns() {
        TDolgForm form(prompts, shell, clock, dates);
        form.LoadDebts(Debts());
        form.show();
        QCOMPARE(form.minimumSize(), QSize(536, 288));
        QVERIFY(form.maximumWidth() > 1200);
        QHeaderView* header = form.DolgList->horizontalHeader();
        header->resizeSection(2, 200);
        std::array<int, 4> designed{};
        for (int c = 0; c < 4; ++c) designed[size_t(c)] = header->sectionSize(c + 1);
        const int designedList = form.DolgList->width();
        form.resize(536 + 500, 400);
        QTRY_VERIFY(form.DolgList->width() > designedList);
        const double scale = double(form.DolgList->width() - 16) / (designedList - 16);
        for (int c = 0; c < 4; ++c) QVERIFY(qAbs(header->sectionSize(c + 1) - designed[size_t(c)] * scale) <= 1);
        form.resize(form.minimumSize());
        QTRY_COMPARE(form.DolgList->width(), designedList);
        for (int c = 0; c < 4; ++c) QVERIFY(qAbs(header->sectionSize(c + 1) - designed[size_t(c)]) <= 1);
        form.resize(536 + 500, 400);
        QTRY_VERIFY(form.DolgList->width() > designedList);
        QTest::mouseClick(form.DolgCancel, Qt::LeftButton);
        const TIniFile settings(kSettingsFileName);
        const std::array<int, 4> stored = ReadDolgTableWidths(settings, 400);
        for (int c = 0; c < 4; ++c) QVERIFY(qAbs(stored[size_t(c)] - designed[size_t(c)]) <= 1);
    }

    // At any time: every debt overdue today, whatever the reminder setting says.
    void overdueDebtsOfTheCatalogueOrTheNoteThatThereAreNone() {
        prompts.asked.clear();
        dir.Write("base.cbf",
                  W("[Common]\r\nLastCDID=00002\r\n[Contacts]\r\n0=Иван\r\n[00001]\r\nNam=Бета\r\nGin=0\r\nGiv=") +
                      std::to_string(clock.Today() - 16) +
                      "\r\n[00002]\r\nNam=Gamma\r\nGin=0\r\nGiv=" + std::to_string(clock.Today() - 15) + "\r\n");
        const TIniFile catalogue(dir.File("base.cbf"));
        SetupSettings setup;
        setup.DolgReminder = false;
        TDolgForm form(prompts, shell, clock, dates);
        QStringList shown;
        QueueModalScript([&shown](QDialog& dialog) {
            const auto& window = static_cast<TDolgForm&>(dialog);
            for (int row = 0; row < window.DolgList->model()->rowCount(); ++row)
                shown << window.DolgList->model()->index(row, 2).data().toString();
        });
        form.ShowOverdueDebts(catalogue, setup);
        QCOMPARE(PendingModalScripts(), 0);
        QCOMPARE(shown, QStringList{QStringLiteral("Бета")});
        QVERIFY(prompts.asked.empty());

        setup.DolgDays = 16;
        form.ShowOverdueDebts(catalogue, setup);
        QCOMPARE(prompts.asked, std::vector<std::string>{"message: " + W("Нет просроченных долгов.")});
    }

    void columnWidthsComeFromAndGoToTheSettingsFile() {
        dir.Write("config/mirvane-cdbase/MirvaneCDB.ini", "[DolgTable]\r\nWidth1=101\r\nWidth3=77\r\n");
        TDolgForm form(prompts, shell, clock, dates);
        form.LoadDebts(Debts());
        form.show();
        const QHeaderView* header = form.DolgList->horizontalHeader();
        const int byDefault = form.DolgList->width() / 4 - 4;
        QCOMPARE(header->sectionSize(1), 101);
        QCOMPARE(header->sectionSize(2), byDefault);
        QCOMPARE(header->sectionSize(3), 77);
        form.DolgList->horizontalHeader()->resizeSection(4, 55);
        QTest::mouseClick(form.DolgCancel, Qt::LeftButton);
        QVERIFY(form.isHidden());
        const TIniFile settings(kSettingsFileName);
        QCOMPARE(ReadDolgTableWidths(settings, 400), (std::array<int, 4>{101, byDefault, 77, 55}));
    }
};

QTEST_MAIN(DolgFormTest)
#include "DolgForm_test.moc"

#include "catalogue/ui/TFilterForm.h"
#include "discs/ScriptedPicker.h"
#include "storage/Literal.h"
#include "storage/MyIniFiles.h"
#include "support/FakeServices.h"
#include "support/TempDir.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <memory>

using namespace mcb;

class FilterFormTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::TempDir> dir;
    std::unique_ptr<TIniFile> catalogue;
    std::unique_ptr<test::ScriptedPicker> picker;
    test::ScriptedPrompts prompts;
    FilterCriteria criteria;
    std::unique_ptr<TFilterForm> form;

    void Open(int truncate = 0) {
        form->Open({criteria, *catalogue, truncate, *picker, prompts});
        form->show();
    }

private slots:
    void init() {
        dir = std::make_unique<test::TempDir>();
        dir->Write("base.cbf", W("[Genres]\r\n0=Фантастика\r\n1=Мелодрама\r\n2=Боевик\r\n[Contacts]\r\n3=Иван\r\n"));
        catalogue = std::make_unique<TIniFile>(dir->File("base.cbf"));
        picker = std::make_unique<test::ScriptedPicker>();
        criteria = FilterCriteria{};
        form = std::make_unique<TFilterForm>();
    }
    void cleanup() {
        form.reset();
        catalogue.reset();
        dir.reset();
    }

    void opensWithTheRecord() {
        criteria.Otdacha = false;
        criteria.Nazva = W(" мир ");
        criteria.SubNazva = false;
        criteria.Au = {true, false, true, false};
        criteria.hozi = 2;
        criteria.Genree = "0 2";
        Open(5);
        QCOMPARE(form->windowTitle(), QStringLiteral("Отбор"));
        QCOMPARE(form->size(), QSize(472, 352));
        QVERIFY(!form->changed());
        QVERIFY(form->FiChNal->isChecked() && !form->FiChDolg->isChecked());
        QVERIFY(!form->FiDolList->isEnabled() && !form->FiSelDol->isEnabled() && !form->DolgLabel->isEnabled());
        QCOMPARE(form->FiNaz->text(), QStringLiteral(" мир "));
        QVERIFY(!form->FiSubNaz->isChecked());
        QVERIFY(form->FiAu[0]->isChecked() && !form->FiAu[1]->isChecked());
        QVERIFY(form->RbPri3->isChecked());
        QCOMPARE(form->FiGenLst->text(), QStringLiteral("Фанта; Боеви"));
        QCOMPARE(form->FiCountList->text(), QStringLiteral("[ Все страны ]"));
    }

    void oneAvailabilityAndOneAudienceStayChecked() {
        Open();
        form->FiChDolg->click();
        QVERIFY(!form->FiChDolg->isChecked());
        QVERIFY(!form->FiSelDol->isEnabled());
        form->FiChNal->click();
        QVERIFY(form->FiChNal->isChecked());
        for (int k = 0; k < 4; ++k) form->FiAu[k]->click();
        QVERIFY(form->FiAu[3]->isChecked());
        QVERIFY(!form->FiAu[0]->isChecked());
        QVERIFY(form->changed());
        form->BtClose->click();
        QVERIFY(criteria.Nalichie && !criteria.Otdacha);
        QCOMPARE(criteria.Au, (std::array<bool, 4>{false, false, false, true}));
    }

    void listsAreChosenInMultiSelection() {
        criteria.OtdaList = "3  ";
        Open();
        picker->Expect("3 ");
        form->FiSelDol->click();
        QCOMPARE(picker->calls.at(0).kind, DictKind::Contacts);
        QVERIFY(picker->calls.at(0).multiSelect);
        QCOMPARE(picker->calls.at(0).selection, std::string("3"));
        QCOMPARE(criteria.OtdaList, std::string("3"));
        QCOMPARE(form->FiDolList->text(), QStringLiteral("Иван"));

        picker->Expect(std::nullopt);
        form->FiSelGen->click();
        QCOMPARE(picker->calls.at(1).kind, DictKind::Genres);
        QCOMPARE(criteria.Genree, std::string());
        form->BtClose->click();
        QVERIFY(form->changed()); // a cancelled choice still rebuilds the table
    }

    void typingAndClosingTakeTheControls() {
        Open();
        QTest::keyClicks(form->FiNaz, QStringLiteral(" War "));
        QVERIFY(form->changed());
        form->RbPri2->click();
        form->FiSubNaz->click();
        form->reject(); // Escape closes the same way
        QCOMPARE(criteria.Nazva, std::string(" War "));
        QCOMPARE(criteria.hozi, 1);
        QVERIFY(!criteria.SubNazva);
    }

    void clearRestoresEveryDefault() {
        criteria.Nalichie = false;
        criteria.Genree = "1";
        criteria.CountList = "4";
        criteria.OtdaList = "3";
        criteria.Company = "0";
        criteria.Nazva = "x";
        criteria.SubNazva = false;
        criteria.Au = {false, true, false, false};
        criteria.hozi = 2;
        Open();
        form->BtClear->click();
        QCOMPARE(criteria.Genree + criteria.CountList + criteria.OtdaList + criteria.Company, std::string());
        QCOMPARE(form->FiGenLst->text(), QStringLiteral("[ Все жанры ]"));
        form->BtClose->click();
        const FilterCriteria defaults;
        QCOMPARE(criteria.Nalichie, defaults.Nalichie);
        QCOMPARE(criteria.Nazva, defaults.Nazva);
        QCOMPARE(criteria.SubNazva, defaults.SubNazva);
        QCOMPARE(criteria.Au, defaults.Au);
        QCOMPARE(criteria.hozi, 0);
    }

    void unstorableTitleKeepsTheDialogOpen() {
        Open();
        form->FiNaz->setText(QStringLiteral("Amélie"));
        form->BtClose->click();
        QCOMPARE(prompts.asked.back(),
                 std::string("unstorable: Символы «é» нельзя сохранить в базе. Исправьте текст."));
        QVERIFY(form->isVisible());
        QCOMPARE(criteria.Nazva, std::string());
    }
};

QTEST_MAIN(FilterFormTest)
#include "FilterForm_test.moc"

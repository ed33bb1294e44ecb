// The disc commands in the real catalogue window over a started session: a disc is added with a
// picture copied beside the catalogue, edited, lent to a new contact, returned, filtered out by its
// debtor and deleted, with the catalogue file and the journal checked after each step.
#include "WiredProgram.h"
#include "app/DiscCommandWindows.h"
#include "catalogue/Session.h"
#include "catalogue/ui/MainForm.h"
#include "catalogue/ui/MainTableView.h"
#include "catalogue/ui/TFilterForm.h"
#include "discs/ui/DiscInfoGroup.h"
#include "discs/ui/PictureBox.h"
#include "discs/ui/TEditDisk.h"
#include "platform/qt/ModalRun.h"
#include "storage/Literal.h"
#include "storage/MyIniFiles.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>
#include <filesystem>
#include <functional>
#include <memory>

using namespace mcb;

namespace {

// The reference-list window as a function of the parameters.
class FunctionPicker : public ListPicker {
public:
    std::function<bool(DictParams&)> pick;
    bool Pick(DictParams& params) override { return pick(params); }
};

bool HasColour(const QImage& image, const QRect& rect, const QColor& colour) {
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if (image.pixelColor(x, y).rgb() == colour.rgb()) return true;
    return false;
}

} // namespace

class DiscRoadTest : public QObject {
    Q_OBJECT

private:
    test::WiredProgram program;
    test::TempDir& dir = program.dir;
    test::FixedClock& clock = program.clock;
    test::ScriptedPrompts& prompts = program.prompts;
    FunctionPicker picker;
    Session* session = nullptr;
    TMainForm* form = nullptr;

    std::string OnDisk(const std::string& section, const std::string& key) const {
        return TIniFile(dir.File("base.cbf")).ReadString(section, key, "<none>");
    }
    bool Journal(const std::string& utf8) const {
        return test::TempDir::Read(dir.File("base.log")).find(" : " + W(utf8) + "\r\n") != std::string::npos;
    }
    QString Counter(const char* name) const { return form->findChild<QLabel*>(name)->text(); }
    void Select(int row) { form->table()->SelectRow(row); }

private slots:
    void initTestCase() {
        dir.Write("base.cbf", W("[Common]\r\nLastCDID=00000\r\n[Genres]\r\n0=Фантастика\r\n"));
        QImage cover(300, 200, QImage::Format_RGB32);
        cover.fill(Qt::darkBlue);
        std::filesystem::create_directories(dir.File("pictures")); // outside the catalogue folder: copied
        cover.save(QString::fromStdString(dir.File("pictures/cover.png")));
        QVERIFY(program.Start());
        session = program.session.get();
        form = program.form.get();
        QFont plain = form->table()->font();
        plain.setStyleStrategy(QFont::NoAntialias);
        form->table()->setFont(plain);
        auto* discs = form->findChild<DiscCommandWindows*>();
        QVERIFY(discs);
        discs->SetPicker(&picker);
    }
    void cleanupTestCase() { program.Stop(); }

    void addWithPictureCopiedBesideTheCatalogue() {
        prompts.ExpectText(dir.File("pictures/cover.png"));
        test::WhenShown<TEditDisk>([](TEditDisk& editor) {
            editor.EdNazva->setText(QStringLiteral("матрица"));
            QTest::mouseDClick(editor.Pict1, Qt::LeftButton);
            editor.BitBtn1->click();
        });
        QTest::keyClick(form->table(), Qt::Key_Insert);
        QCOMPARE(OnDisk("00001", "Nam"), W("Матрица"));
        QCOMPARE(OnDisk("00001", "Img1"), std::string("\"?00001_1.png\""));
        QCOMPARE(OnDisk("Common", "LastCDID"), std::string("00001"));
        QVERIFY(QFile::exists(QString::fromStdString(dir.File("00001_1.png"))));
        QVERIFY(Journal("Новый диск \"Матрица\" (ID=00001) успешно добавлен в базу."));
        QCOMPARE(session->table().counters.all, 1);
    }

    void editKeepsThePicture() {
        Select(0);
        test::WhenShown<TEditDisk>([](TEditDisk& editor) {
            QTRY_VERIFY(!editor.Pict1->ShowsPlaceholder()); // decoded away from the window's thread
            editor.EdNazva2->setText(QStringLiteral("The Matrix"));
            editor.BitBtn1->click();
        });
        QTest::keyClick(form->table(), Qt::Key_F2);
        QCOMPARE(OnDisk("00001", "Nam2"), std::string("The Matrix"));
        QCOMPARE(OnDisk("00001", "Img1"), std::string("\"?00001_1.png\""));
        QVERIFY(Journal("Данные о диске \"Матрица\" (ID=00001) успешно изменены."));
    }

    void lendToANewContactIsSavedColouredAndCounted() {
        picker.pick = [this](DictParams& params) {
            if (params.kind != DictKind::Contacts || params.multiSelect) return false;
            // The user adds the contact in the reference-list window and picks it.
            session->catalogue().WriteString("Common", "Contacts", "0");
            session->catalogue().WriteString("Contacts", "0", W("Нео"));
            params.selection = "0";
            return true;
        };
        prompts.Expect(Answer::Yes);
        Select(0);
        form->commands()["N13"]->trigger();
        QCOMPARE(prompts.asked.back(), W("confirm: Отдать диск \"Матрица\" в долг ?"));
        QCOMPARE(OnDisk("00001", "Gin"), std::string("0"));
        QCOMPARE(OnDisk("00001", "Giv"), std::to_string(clock.Today()));
        QCOMPARE(OnDisk("Contacts", "0"), W("Нео"));
        QVERIFY(Journal("Диск \"Матрица\" (ID=00001) отдан в долг. Должник: Нео."));
        QVERIFY(Counter("LaNal").endsWith(QStringLiteral(": 1")));
        form->table()->clearSelection();
        const QRect cell = form->table()->visualRect(form->table()->model()->index(0, 1));
        QVERIFY(HasColour(form->table()->viewport()->grab().toImage(), cell, form->table()->colours().lent));
    }

    void returnFromTheToolbar() {
        prompts.Expect(Answer::Yes);
        Select(0);
        form->findChild<QToolBar*>("ToolBar")->findChild<QToolButton*>("ToolButton12")->click();
        QCOMPARE(prompts.asked.back(),
                 W("confirm: Диск \"Матрица\" отдан D46364 в долг.   Должник: Нео.   Списать долг ?"));
        QCOMPARE(OnDisk("00001", "Gin"), std::string("-1"));
        QCOMPARE(OnDisk("00001", "Giv"), std::to_string(clock.Today()));
        QVERIFY(Journal("Должник Нео вернул диск \"Матрица\" (ID=00001)."));
        QVERIFY(Counter("LaNal").endsWith(QStringLiteral(": 0")));
    }

    void filterByTheDebtor() {
        picker.pick = [](DictParams& params) {
            if (params.kind != DictKind::Contacts || !params.multiSelect) return false;
            params.selection = "0 ";
            return true;
        };
        test::WhenShown<TFilterForm>([](TFilterForm& filter) {
            filter.FiChNal->click(); // lent discs only
            filter.FiSelDol->click();
            QCOMPARE(filter.FiDolList->text(), QStringLiteral("Нео"));
            filter.BtClose->click();
        });
        QTest::keyClick(form->table(), Qt::Key_F6);
        QCOMPARE(session->settings().filter.OtdaList, std::string("0"));
        QVERIFY(session->table().IsEmpty()); // the disc is back in stock
        QCOMPARE(session->table().counters.all, 1);

        test::WhenShown<TFilterForm>([](TFilterForm& filter) {
            filter.BtClear->click();
            filter.BtClose->click();
        });
        form->commands()["mmFilter"]->trigger();
        QCOMPARE(session->table().counters.shown, 1);
    }

    void deleteKeepsThePictureCopy() {
        prompts.Expect(Answer::Yes);
        Select(0);
        QTest::keyClick(form->table(), Qt::Key_Delete);
        QCOMPARE(prompts.asked.back(), W("confirm: Удалить диск \"Матрица\" ?"));
        QCOMPARE(OnDisk("00001", "Nam"), std::string("<none>"));
        QCOMPARE(OnDisk("Common", "LastCDID"), std::string("00001"));
        QVERIFY(Journal("Данные о диске \"Матрица\" (ID=00001) успешно удалены из базы."));
        QVERIFY(session->table().IsEmpty());
        QVERIFY(QFile::exists(QString::fromStdString(dir.File("00001_1.png"))));
        QVERIFY(prompts.Exhausted());
        QCOMPARE(PendingModalScripts(), 0);
    }

    // An added disc is current wherever the sort puts it; after a delete the disc that took the
    // deleted one's row. The information group follows.
    void addedDiscIsCurrentAndADeletedOnesRowGoesToItsSuccessor() {
        const auto add = [this](const QString& title) {
            test::WhenShown<TEditDisk>([title](TEditDisk& editor) {
                editor.EdNazva->setText(title);
                editor.BitBtn1->click();
            });
            QTest::keyClick(form->table(), Qt::Key_Insert);
            return form->CurrentDiscId();
        };
        auto* group = form->findChild<DiscInfoGroup*>();
        QVERIFY(group);
        QCOMPARE(add(QStringLiteral("Бета")), std::string("00002"));
        QCOMPARE(add(QStringLiteral("Альфа")), std::string("00003"));
        QCOMPARE(form->table()->currentIndex().row(), 0);
        QCOMPARE(add(QStringLiteral("Гамма")), std::string("00004"));
        QCOMPARE(form->table()->currentIndex().row(), 2);
        QCOMPARE(group->discId(), std::string("00004"));
        prompts.Expect(Answer::Yes);
        Select(0);
        QTest::keyClick(form->table(), Qt::Key_Delete);
        QCOMPARE(OnDisk("00003", "Nam"), std::string("<none>"));
        QCOMPARE(form->CurrentDiscId(), std::string("00002"));
        QCOMPARE(group->discId(), std::string("00002"));
        QVERIFY(prompts.Exhausted());
    }
};

QTEST_MAIN(DiscRoadTest)
#include "DiscRoad_test.moc"

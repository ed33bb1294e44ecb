// The export window over a real session: its controls, options kept between openings, a written
// workbook handed to the desktop, and a write that fails.
#include "catalogue/Session.h"
#include "output/ZipArchive.h"
#include "output/ui/TExcelForm.h"
#include "platform/qt/ModalRun.h"
#include "storage/Literal.h"
#include "support/FakeServices.h"
#include "support/TempDir.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>

using namespace mcb;

namespace {

// LC_NUMERIC with a decimal comma while the object lives, compiled into the test's folder.
struct NumericLocale {
    explicit NumericLocale(const test::TempDir& dir) : saved(std::setlocale(LC_NUMERIC, nullptr)) {
        dir.Write("comma.def", "LC_NUMERIC\ndecimal_point \",\"\nthousands_sep \"\"\ngrouping -1\nEND LC_NUMERIC\n");
        const std::string make =
            "localedef -c -i '" + dir.File("comma.def") + "' '" + dir.File("xx_COMMA") + "' >/dev/null 2>&1";
        if (std::system(make.c_str()) == -1) return;
        qputenv("LOCPATH", QByteArray::fromStdString(dir.Path()));
        active = std::setlocale(LC_NUMERIC, "xx_COMMA") != nullptr;
    }
    ~NumericLocale() {
        std::setlocale(LC_NUMERIC, saved.c_str());
        qunsetenv("LOCPATH");
    }
    std::string saved;
    bool active = false;
};

const char* const kCatalogue = "[Common]\r\nLastCDID=00002\r\n[00001]\r\nNam=Alpha\r\nGin=-1\r\nYear=1999\r\n"
                               "[00002]\r\nNam=Beta\r\nGin=-1\r\n";

} // namespace

class ExcelFormTest : public QObject {
    Q_OBJECT

private:
    test::TempDir dir;
    test::FixedClock clock;
    test::FixedDateFormat dates;
    test::ScriptedPrompts prompts;
    test::RecordingShell shell;
    std::unique_ptr<Session> session;
    std::unique_ptr<TExcelForm> form;

    // Plays the user on the next opening: `act` sets the controls, then the export button is pressed.
    void ExportWith(const std::function<void(TExcelForm&)>& act) {
        QueueModalScript([act](QDialog& dialog) {
            auto& window = static_cast<TExcelForm&>(dialog);
            act(window);
            window.Export->click();
        });
        form->Execute();
        QCOMPARE(PendingModalScripts(), 0);
    }

private slots:
    void init() {
        dir.Write("base.cbf", kCatalogue);
        session = std::make_unique<Session>(SessionServices{clock, dates, prompts}, dir.Path());
        session->Start(dir.File("base.cbf"));
        form = std::make_unique<TExcelForm>(*session, shell);
        prompts.asked.clear();
        shell.links.clear();
    }
    void cleanup() {
        QVERIFY(prompts.Exhausted());
        form.reset();
        session.reset();
    }

    void startsWithTheDesignedControls() {
        QCOMPARE(form->objectName(), QStringLiteral("ExcelForm"));
        QCOMPARE(form->windowTitle(), QStringLiteral("Экспорт в Excel"));
        QVERIFY(form->width() >= 205 && form->height() >= 183);
        QCOMPARE(form->minimumSize(), form->maximumSize());
        form->show();
        for (const QWidget* control : std::initializer_list<const QWidget*>{form->dolginfo, form->RB1, form->RB3})
            QVERIFY(control->width() >= control->sizeHint().width()); // captions not cut
        form->hide();
        QVERIFY(form->CBHead->isChecked());
        QCOMPARE(form->CBHead->text(), QStringLiteral("Заголовок"));
        QVERIFY(!form->dolginfo->isChecked());
        QCOMPARE(form->dolginfo->text(), QStringLiteral("Информация о наличии диска"));
        QCOMPARE(form->GroupBox1->title(), QStringLiteral(" Описание диска "));
        QCOMPARE(form->RB1->text(), QStringLiteral("В ячеки по горизонтали"));
        QCOMPARE(form->RB2->text(), QStringLiteral("В ячейки по вертикали"));
        QCOMPARE(form->RB3->text(), QStringLiteral("Все строки в одну ячейку"));
        QCOMPARE(form->RB4->text(), QStringLiteral("Не экспортировать"));
        QVERIFY(form->RB4->isChecked());
        QVERIFY(form->Export->isDefault());
        QCOMPARE(form->Export->text(), QStringLiteral("Экспорт"));
        QCOMPARE(form->Button1->text(), QStringLiteral("Отмена"));
        QVERIFY(!(form->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    }

    void optionsAreKeptBetweenOpenings() {
        QueueModalScript([](QDialog& dialog) {
            auto& window = static_cast<TExcelForm&>(dialog);
            window.CBHead->setChecked(false);
            window.dolginfo->setChecked(true);
            window.RB2->setChecked(true);
            window.Button1->click();
        });
        form->Execute();
        bool kept = false;
        QueueModalScript([&kept](QDialog& dialog) {
            auto& window = static_cast<TExcelForm&>(dialog);
            kept = !window.CBHead->isChecked() && window.dolginfo->isChecked() && window.RB2->isChecked();
            window.Button1->click();
        });
        form->Execute();
        QVERIFY(kept);
        const ExportOptions options = form->Options();
        QVERIFY(!options.header && options.availability && options.description == DescriptionLayout::Vertical);
        QVERIFY(prompts.asked.empty());
    }

    void exportWritesTheWorkbookAndHandsItToTheDesktop() {
        prompts.ExpectText(dir.File("films"));
        ExportWith([](TExcelForm& window) { window.RB3->setChecked(true); });
        QVERIFY(std::filesystem::exists(dir.File("films.xlsx")));
        QCOMPARE(shell.links, std::vector<std::string>{"file://" + dir.File("films.xlsx")});
        QCOMPARE(prompts.asked,
                 (std::vector<std::string>{"save: " + W("Экспорт в Excel"), "message: " + W("Экспорт завершен.")}));
        QVERIFY(form->isHidden());
        QVERIFY(!QApplication::overrideCursor());
    }

    // The toolkit takes LC_NUMERIC from the desktop; under a decimal comma (a locale made here, as the
    // machine may have none installed) the workbook still writes its numbers with a point.
    void workbookNumbersStayPointDecimalUnderACommaLocale() {
        const NumericLocale comma(dir);
        if (!comma.active) QSKIP("localedef cannot make a locale with a decimal comma here");
        char probe[8];
        std::snprintf(probe, sizeof probe, "%g", 0.5);
        QCOMPARE(probe, "0,5");
        prompts.ExpectText(dir.File("comma"));
        ExportWith([](TExcelForm&) {});
        const std::optional<ZipArchive> workbook = ZipArchive::Open(dir.File("comma.xlsx"));
        QVERIFY(workbook);
        const ZipArchive::Entry* sheet = workbook->Find("xl/worksheets/sheet1.xml");
        QVERIFY(sheet);
        const std::string xml = workbook->ReadAll(*sheet).value_or("");
        QVERIFY2(xml.find("<pageMargins left=\"0.7\" right=\"0.7\" top=\"0.75\"") != std::string::npos, xml.c_str());
        QVERIFY(xml.find(",7") == std::string::npos);
        QVERIFY(xml.find("<v>1999</v>") != std::string::npos);
    }

    void failingWriteNamesTheFileAndLeavesNoWaitCursor() {
        const std::string target = dir.File("missing/films.xlsx");
        prompts.ExpectText(target);
        ExportWith([](TExcelForm&) {});
        QVERIFY(!std::filesystem::exists(target));
        QVERIFY(shell.links.empty());
        QCOMPARE(prompts.asked.back(), "error: " + W("Не удалось записать файл ") + target + W(": папка не найдена."));
        QVERIFY(!QApplication::overrideCursor());
    }

    void cancelledFileNameKeepsTheWindowOpen() {
        prompts.ExpectText(std::nullopt);
        bool open = false;
        QueueModalScript([&open](QDialog& dialog) {
            static_cast<TExcelForm&>(dialog).Export->click();
            open = dialog.isVisible();
        });
        form->Execute();
        QVERIFY(open);
        QVERIFY(shell.links.empty());
    }
};

QTEST_MAIN(ExcelFormTest)
#include "ExcelForm_test.moc"

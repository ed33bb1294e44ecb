// The import command of the main window: the file, the mapping window with its presets, the question
// about skipped cells, and the table rebuilt from the saved catalogue.
#include "WiredProgram.h"
#include "output/ui/TImportForm.h"
#include "platform/qt/ModalRun.h"
#include "storage/Literal.h"
#include "storage/MyIniFiles.h"

#include <QAction>
#include <QComboBox>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

using namespace mcb;

namespace {

const char* const kCatalogue = "[Common]\r\nLastCDID=00001\r\n[00001]\r\nNam=Alpha\r\nGin=-1\r\n";

// The user keeps the presets but for column 3, which he sets to the genre.
void MapThirdColumnToGenre(TImportForm& form) {
    QCOMPARE(form.findChild<QComboBox*>("Field1")->currentIndex(), int(ImportField::Title));
    QCOMPARE(form.findChild<QComboBox*>("Field2")->currentIndex(), int(ImportField::Year));
    QCOMPARE(form.findChild<QComboBox*>("Field3")->currentIndex(), int(ImportField::None));
    QCOMPARE(form.PreviewGrid->rowCount(), 2);
    QCOMPARE(form.PreviewGrid->item(1, 1)->text(), QStringLiteral("79"));
    form.findChild<QComboBox*>("Field3")->setCurrentIndex(int(ImportField::Genre));
    form.ImportButton->click();
}

} // namespace

class ImportWiringTest : public QObject {
    Q_OBJECT

private slots:
    void importAddsTheDiscsOnceTheSkippedCellsAreAccepted() {
        for (const bool accept : {true, false}) {
            test::WiredProgram program;
            program.dir.Write("base.cbf", kCatalogue);
            program.dir.Write("discs.csv", "Название;Год выпуска;Вид\nСолярис;1972;Драма\nСталкер;79;Драма\n");
            QVERIFY(program.Start());
            program.prompts.ExpectText(program.dir.File("discs.csv"));
            test::WhenShown<TImportForm>(MapThirdColumnToGenre);
            program.prompts.Expect(accept ? Answer::Yes : Answer::No);
            program.form->commands()["mmImportCD"]->trigger();
            QCOMPARE(PendingModalScripts(), 0);
            QVERIFY(program.prompts.Exhausted());
            const std::string question = W("confirm: Эти ячейки не будут импортированы:\n\nстрока 3, колонка 2: "
                                           "год должен состоять из четырех цифр\n\nИмпортировать диски без них?");
            QCOMPARE(program.prompts.asked[1], question);
            QCOMPARE(program.session->table().counters.all, accept ? 3 : 1);
            QCOMPARE(program.session->catalogue().ReadString("00003", "Gen", "none"),
                     std::string(accept ? "0" : "none"));
            if (accept) QCOMPARE(program.prompts.asked.back(), W("message: Импорт завершен. Добавлено дисков: 2."));
        }
    }

    void mappingWithoutTitleIsRefusedInTheWindow() {
        test::WiredProgram program;
        program.dir.Write("base.cbf", kCatalogue);
        program.dir.Write("discs.csv", "Название;Год\nСолярис;1972\n");
        QVERIFY(program.Start());
        program.prompts.ExpectText(program.dir.File("discs.csv"));
        test::WhenShown<TImportForm>([](TImportForm& form) {
            form.findChild<QComboBox*>("Field1")->setCurrentIndex(int(ImportField::None));
            form.ImportButton->click();
            QVERIFY(form.isVisible());
            form.CancelButton->click();
        });
        program.form->commands()["mmImportCD"]->trigger();
        QCOMPARE(program.prompts.asked.back(), W("message: Выберите колонку с названием диска."));
        QCOMPARE(program.session->table().counters.all, 1);
    }

    void unreadableFileIsReportedByName() {
        test::WiredProgram program;
        program.dir.Write("base.cbf", kCatalogue);
        program.dir.Write("book.xlsx", "no zip");
        QVERIFY(program.Start());
        program.prompts.ExpectText(program.dir.File("book.xlsx"));
        program.form->commands()["mmImportCD"]->trigger();
        QCOMPARE(program.prompts.asked.back(), "error: " + W("Не удалось прочитать файл ") +
                                                   program.dir.File("book.xlsx") +
                                                   W(": файл не является книгой .xlsx."));
    }
};

QTEST_MAIN(ImportWiringTest)
#include "ImportWiring_test.moc"

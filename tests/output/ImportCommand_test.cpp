#include "output/ImportCommand.h"
#include "storage/ErrorReport.h"
#include "storage/MyIniFiles.h"
#include "support/FakeServices.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <sstream>

namespace mcb {
namespace {

struct Outcome {
    int code;
    std::string out;
    std::string err;
};

Outcome Import(const std::string& sheet, const std::string& catalogue, const test::TempDir& dir) {
    const test::FixedClock clock;
    const test::FixedDateFormat dates;
    std::ostringstream out, err;
    const int code = RunImportCommand({sheet, catalogue, dir.File("fields.ini")}, clock, dates, out, err);
    return {code, out.str(), err.str()};
}

TEST(ImportCommandTest, AddsTheDiscsAndSaysWhatWasSkipped) {
    test::TempDir dir;
    dir.Write("discs.csv", "Название;Год выпуска;Жанр\nСолярис;1972;Драма\nСталкер;79;Драма\n;1980;\n");
    const Outcome run = Import(dir.File("discs.csv"), dir.File("new.cbf"), dir);
    EXPECT_EQ(run.code, 0);
    EXPECT_EQ(run.out, "Добавлено дисков: 2\n"
                       "Пропущено: строка 3, колонка 2: год должен состоять из четырех цифр\n"
                       "Пропущено: строка 4: нет названия диска, строка не импортирована\n");
    EXPECT_EQ(run.err, "mirvane-cdbase: файл базы " + dir.File("new.cbf") + " не найден, создана новая база\n");
    const TIniFile saved(dir.File("new.cbf"));
    EXPECT_EQ(saved.ReadString("00002", "Gen", ""), "0");
    EXPECT_EQ(saved.ReadString("Common", "LastCDID", ""), "00002");
    EXPECT_TRUE(test::TempDir::Read(dir.File("new.cbf")).starts_with(";"));
}

TEST(ImportCommandTest, FailuresNameTheFileAndChangeNothing) {
    test::TempDir dir;
    dir.Write("discs.csv", "Название\nСолярис\n");
    dir.Write("heading.csv", "Название\n");
    dir.Write("untitled.csv", "Год выпуска\n1972\n");
    dir.Write("broken.xlsx", "PK");
    dir.Write("text.cbf", "not a catalogue");
    const ErrorReporter previous = SetErrorReporter([](const UserText&) {});
    const std::pair<Outcome, std::string> cases[] = {
        {Import(dir.File("none.csv"), dir.File("a.cbf"), dir),
         "не удалось прочитать файл " + dir.File("none.csv") + ": файл не удалось прочитать"},
        {Import(dir.File("broken.xlsx"), dir.File("a.cbf"), dir),
         "не удалось прочитать файл " + dir.File("broken.xlsx") + ": файл не является книгой .xlsx"},
        {Import(dir.File("heading.csv"), dir.File("a.cbf"), dir),
         "в файле " + dir.File("heading.csv") + " нет строк с дисками"},
        {Import(dir.File("untitled.csv"), dir.File("a.cbf"), dir),
         "в файле " + dir.File("untitled.csv") + " нет колонки с названием диска"},
        {Import(dir.File("discs.csv"), dir.File("gone/a.cbf"), dir),
         "не удалось записать файл базы " + dir.File("gone/a.cbf") + ", диски не добавлены"},
    };
    SetErrorReporter(previous);
    for (const auto& [run, message] : cases) {
        EXPECT_EQ(run.code, 1) << message;
        EXPECT_EQ(run.out, "") << message;
        EXPECT_TRUE(run.err.ends_with("mirvane-cdbase: " + message + "\n")) << run.err;
    }
    EXPECT_FALSE(std::filesystem::exists(dir.File("a.cbf")));
    const Outcome refused = Import(dir.File("discs.csv"), dir.File("text.cbf"), dir);
    EXPECT_EQ(refused.code, 1);
    EXPECT_EQ(test::TempDir::Read(dir.File("text.cbf")), "not a catalogue");
}

} // namespace
} // namespace mcb

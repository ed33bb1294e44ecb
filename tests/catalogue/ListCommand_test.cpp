#include "CatalogueFixture.h"
#include "catalogue/CommandLine.h"
#include "catalogue/ListCommand.h"
#include "support/FileSnapshot.h"
#include "support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <sstream>

namespace mcb {
namespace {

namespace fs = std::filesystem;

constexpr int kToday = 46000;

const char* const kBuiltInHeadings = "ID\tНазвание\tВторое название\tЖанр\tАудитория\tВ гл.ролях\tРежиссер\t"
                                     "Страна\tКомпания-производитель\tГод выпуска\tДлительность\tНоситель\n";

const char* const kNoDiscs = "\nВсего дисков в базе : 0\n   из них отданных в долг : 0\n"
                             "Показано дисков : 0\n   из них отданных в долг: 0\n";

std::string SmallCatalogue() {
    return test::CatalogueText({
        {"Common", {{"LastCDID", "00002"}, {"Genres", "0"}, {"Countries", "0"}, {"Company", "0"}, {"Contacts", "0"}}},
        {"Genres", {{"0", "Фантастика"}}},
        {"Countries", {{"0", "СССР"}}},
        {"Company", {{"0", "Мосфильм"}}},
        {"Contacts", {{"0", "Иван"}}},
        {"00001",
         {{"Nam", "Солярис"},
          {"Gen", "0"},
          {"Aud", "2"},
          {"Rol", "Баниятис"},
          {"Cou", "0"},
          {"Lon", "167"},
          {"Car", "5121"},
          {"Ent", "45000"},
          {"Gin", "-1"},
          {"Comp", "0"},
          {"Dir", "Тарковский"},
          {"Year", "1972"}}},
        {"00002", {{"Nam", "Alien"}, {"Nam2", "Чужой"}, {"Rol", "Sigourney\tWeaver"}, {"Ent", "46000"}, {"Gin", "0"}}},
    });
}

class ListCommandTest : public ::testing::Test {
protected:
    int Run(const std::string& catalogue) {
        out_.str("");
        err_.str("");
        return RunListCommand(ListRequest{catalogue, dir_.File("bin/fields.ini"), kToday}, out_, err_);
    }

    // `name` may have folders, which are created.
    void Write(const std::string& name, const std::string& bytes) const {
        fs::create_directories(fs::path(dir_.File(name)).parent_path());
        dir_.Write(name, bytes);
    }

    test::TempDir dir_;
    std::ostringstream out_, err_;
};

TEST_F(ListCommandTest, PrintsTheTableAsTheWindowBuildsItAndWritesNothing) {
    Write("base/films.cbf", SmallCatalogue());
    Write("config/mirvane-cdbase/MirvaneCDB.ini", "[Setup]\r\nSortOrder=1\r\n[Filter]\r\nhozi=1\r\n");
    Write("bin/fields.ini", W("[TableHeaders]\r\nHeader1=Заглавие\r\n"));
    const auto before = test::Snapshot(dir_.Path());

    EXPECT_EQ(0, Run(dir_.File("base/films.cbf")));
    EXPECT_EQ("ID\t#  Заглавие\tВторое название\tЖанр\tАудитория\tВ гл.ролях\tРежиссер\tСтрана\t"
              "Компания-производитель\tГод выпуска\tДлительность\tНоситель\n"
              "00002\tAlien   !New!\tЧужой\t\t\tSigourney Weaver\t\t\t\t\t\t\n"
              "00001\tСолярис\t\tФантастика\tСемейный\tБаниятис\tТарковский\tСССР\tМосфильм\t1972\t167\tVHS 1\n"
              "\n"
              "Всего дисков в базе : 2\n"
              "   из них отданных в долг : 1\n"
              "Показано дисков : 2\n"
              "   из них отданных в долг: 1\n",
              out_.str());
    EXPECT_EQ("", err_.str());
    EXPECT_EQ(before, test::Snapshot(dir_.Path()));
}

TEST_F(ListCommandTest, WithoutSettingsAndLayoutUsesDefaultsAndCreatesNoSettingsFolder) {
    Write("films.cbf", SmallCatalogue());
    EXPECT_EQ(0, Run(dir_.File("films.cbf")));
    std::istringstream lines(out_.str());
    std::string heading, first;
    std::getline(lines, heading);
    std::getline(lines, first);
    EXPECT_EQ("ID\t#  Название", heading.substr(0, heading.find('\t', 3)));
    EXPECT_EQ("00002\t", first.substr(0, 6));
    EXPECT_FALSE(fs::exists(dir_.File("config")));
    EXPECT_EQ(std::vector<std::string>{"films.cbf"}, [&] {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir_.Path())) names.push_back(entry.path().filename());
        return names;
    }());
}

TEST_F(ListCommandTest, MissingCatalogueListsAsEmptyWithANote) {
    EXPECT_EQ(0, Run(dir_.File("nothing.cbf")));
    EXPECT_EQ(std::string(kBuiltInHeadings).insert(3, "#  ") + kNoDiscs, out_.str());
    EXPECT_NE("", err_.str());
    EXPECT_FALSE(fs::exists(dir_.File("nothing.cbf")));
}

// Whatever keeps the file from being read whole, or shows it is no catalogue, is an error naming it.
TEST_F(ListCommandTest, UnreadableCatalogueIsAnError) {
    fs::create_directories(dir_.File("folder.cbf"));
    dir_.Write("letter.cbf", "Dear friend,\r\nthe films are on the shelf.\r\n");
    // Its size says 0 while it holds text, as a file that grows while it is read.
    const std::string growing = "/proc/self/status";
    for (const std::string& file : {dir_.File("folder.cbf"), dir_.File("letter.cbf"), growing}) {
        EXPECT_EQ(1, Run(file)) << file;
        EXPECT_EQ("", out_.str()) << file;
        EXPECT_NE(err_.str().find(file), std::string::npos) << err_.str();
    }
}

TEST(CommandLine, Parsing) {
    using Mode = CommandLine::Mode;
    using Args = std::vector<std::string>;
    struct Case {
        Args args;
        Mode mode;
        std::string catalogue;
        std::string command;
        Args arguments;
    } cases[] = {
        {{}, Mode::Window, "", "", {}},
        {{"films.cbf"}, Mode::Window, "films.cbf", "", {}},
        {{"-platform", "offscreen", "films.cbf"}, Mode::Window, "", "", {}},
        {{"--list", "films.cbf"}, Mode::Command, "", "--list", {"films.cbf"}},
        {{"--list"}, Mode::Command, "", "--list", {}},
        {{"--export", "out.xlsx", "--no-header", "a.cbf"},
         Mode::Command,
         "",
         "--export",
         {"out.xlsx", "--no-header", "a.cbf"}},
        {{"--"}, Mode::Window, "", "", {}},
        {{"--help"}, Mode::Help, "", "", {}},
        {{"-h"}, Mode::Help, "", "", {}},
    };
    for (const Case& c : cases) {
        const CommandLine line = ParseCommandLine(c.args);
        EXPECT_EQ(c.mode, line.mode) << testing::PrintToString(c.args);
        EXPECT_EQ(c.catalogue, line.catalogue) << testing::PrintToString(c.args);
        EXPECT_EQ(c.command, line.command) << testing::PrintToString(c.args);
        EXPECT_EQ(c.arguments, line.arguments) << testing::PrintToString(c.args);
    }
}

} // namespace
} // namespace mcb

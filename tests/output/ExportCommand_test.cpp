#include "SheetCells.h"
#include "catalogue/CatalogueFixture.h"
#include "output/ExportCommand.h"
#include "support/FakeServices.h"
#include "support/FileSnapshot.h"
#include "support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <sstream>

namespace mcb {
namespace {

namespace fs = std::filesystem;
using test::ReadCell;

constexpr int kToday = 46000;

TEST(ExportArgumentsTest, FilesAndOptions) {
    struct Case {
        std::vector<std::string> args;
        bool ok;
        ExportOptions options;
    };
    const Case cases[] = {
        {{"out.xlsx", "base.cbf"}, true, {true, false, DescriptionLayout::None}},
        {{"out.xlsx", "--no-header", "--availability", "--description=vertical", "base.cbf"},
         true,
         {false, true, DescriptionLayout::Vertical}},
        {{"out.xlsx", "base.cbf", "--description=horizontal"}, true, {true, false, DescriptionLayout::Horizontal}},
        {{"out.xlsx", "--description=single", "base.cbf"}, true, {true, false, DescriptionLayout::SingleCell}},
        {{"out.xlsx", "--description=vertical", "--description=none", "base.cbf"}, true, {}},
        {{"out.xlsx", "--description=diagonal", "base.cbf"}, false, {}},
        {{"out.xlsx", "--header", "base.cbf"}, false, {}},
        {{"out.xlsx"}, false, {}},
        {{"out.xlsx", "base.cbf", "more.cbf"}, false, {}},
        {{}, false, {}},
    };
    for (const Case& c : cases) {
        std::string error;
        const auto parsed = ParseExportArguments(c.args, error);
        ASSERT_EQ(parsed.has_value(), c.ok) << testing::PrintToString(c.args);
        if (!parsed) {
            EXPECT_FALSE(error.empty());
            continue;
        }
        EXPECT_EQ(parsed->outputPath, "out.xlsx");
        EXPECT_EQ(parsed->cataloguePath, "base.cbf");
        EXPECT_EQ(parsed->options.header, c.options.header);
        EXPECT_EQ(parsed->options.availability, c.options.availability);
        EXPECT_EQ(parsed->options.description, c.options.description);
    }
}

class ExportCommandTest : public ::testing::Test {
protected:
    int Run(const std::string& catalogue, const std::string& output, const ExportOptions& options = {}) {
        err_.str("");
        const ExportRequest request{{catalogue, dir_.File("fields.ini"), kToday}, output, options};
        return RunExportCommand(request, dates_, err_);
    }

    test::TempDir dir_;
    test::FixedDateFormat dates_;
    std::ostringstream err_;
};

// The table as "--list" builds it: filter and sort order from the settings, the new-disc mark; the
// header names the columns without the sort mark; numbers stay numbers, the identifier is text
// however many digits it has.
TEST_F(ExportCommandTest, WritesTheTableAsListShowsIt) {
    dir_.Write("base.cbf", test::CatalogueText({
                               {"Common", {{"LastCDID", "10000"}}},
                               {"Contacts", {{"0", "Иван"}}},
                               {"00001", {{"Nam", "Солярис"}, {"Year", "1972"}, {"Lon", "167"}, {"Ent", "40000"}}},
                               {"00002",
                                {{"Nam", "Alien"},
                                 {"Ent", "46000"},
                                 {"Gin", "0"},
                                 {"Giv", "45990"},
                                 {"Lin", "2"},
                                 {"Li1", "a"},
                                 {"Li2", "b"}}},
                               {"00003", {{"Nam", "Hidden"}, {"Oth", "0"}, {"Ent", "40000"}}},
                               {"10000", {{"Nam", "Zulu"}, {"Ent", "40000"}}},
                           }));
    dir_.Write("config/mirvane-cdbase/MirvaneCDB.ini", "[Setup]\r\nSortOrder=1\r\n[Filter]\r\nhozi=1\r\n");
    const auto before = test::Snapshot(dir_.Path());

    ASSERT_EQ(0, Run(dir_.File("base.cbf"), dir_.File("out.xlsx"), {true, true, DescriptionLayout::SingleCell}));
    EXPECT_EQ(err_.str(), "");
    const auto cells = test::ReadWorkbookCells(dir_.File("out.xlsx"));
    ASSERT_TRUE(cells);
    EXPECT_EQ(cells->at({1, 2}), (ReadCell{W("Название"), false}));
    EXPECT_EQ(cells->at({1, 14}), (ReadCell{W("Описание диска"), false}));
    EXPECT_EQ(cells->at({2, 1}), (ReadCell{"00002", false}));
    EXPECT_EQ(cells->at({2, 2}), (ReadCell{"Alien   !New!", false}));
    EXPECT_EQ(cells->at({2, 13}), (ReadCell{W("Диск отдан в долг D45990. Должник: Иван"), false}));
    EXPECT_EQ(cells->at({2, 14}), (ReadCell{"a b ", false}));
    EXPECT_EQ(cells->at({3, 1}), (ReadCell{"10000", false}));
    EXPECT_EQ(cells->at({4, 1}), (ReadCell{"00001", false}));
    EXPECT_EQ(cells->at({4, 10}), (ReadCell{"1972", true}));
    EXPECT_EQ(cells->at({4, 11}), (ReadCell{"167", true}));
    EXPECT_FALSE(cells->contains({5, 1})); // someone else's disc is filtered out
    auto after = test::Snapshot(dir_.Path());
    EXPECT_EQ(after.erase(dir_.File("out.xlsx")), 1u);
    EXPECT_EQ(after, before); // nothing else written
}

TEST_F(ExportCommandTest, FailuresNameTheFileAndLeaveNoWorkbook) {
    dir_.Write("empty.cbf", "[Common]\r\nLastCDID=0\r\n");
    dir_.Write("base.cbf", test::CatalogueText({{"Common", {{"LastCDID", "1"}}}, {"00001", {{"Nam", "x"}}}}));
    fs::create_directory(dir_.File("folder.cbf"));
    struct Case {
        std::string catalogue;
        std::string output;
        std::string message;
    };
    const Case cases[] = {
        {dir_.File("missing.cbf"), dir_.File("out.xlsx"),
         "файл базы " + dir_.File("missing.cbf") +
             " не найден, показана пустая база\nmirvane-cdbase: нет данных для экспорта в базе " +
             dir_.File("missing.cbf")},
        {dir_.File("folder.cbf"), dir_.File("out.xlsx"),
         "Не удается прочитать файл базы " + dir_.File("folder.cbf") + ". Файл оставлен без изменений."},
        {dir_.File("empty.cbf"), dir_.File("out.xlsx"), "нет данных для экспорта в базе " + dir_.File("empty.cbf")},
        {dir_.File("base.cbf"), dir_.File("no/out.xlsx"),
         "не удалось записать файл " + dir_.File("no/out.xlsx") + ": папка не найдена"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(1, Run(c.catalogue, c.output)) << c.message;
        EXPECT_EQ(err_.str(), "mirvane-cdbase: " + c.message + "\n");
        EXPECT_FALSE(fs::exists(c.output)) << c.message;
    }
}

} // namespace
} // namespace mcb

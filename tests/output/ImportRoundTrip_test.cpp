#include "catalogue/CatalogueFixture.h"
#include "catalogue/TableBuild.h"
#include "catalogue/TableTexts.h"
#include "output/DiscImport.h"
#include "output/SheetFile.h"
#include "output/WorkbookExport.h"
#include "storage/Description.h"
#include "storage/MyIniFiles.h"
#include "storage/Settings.h"
#include "support/FakeServices.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace mcb {
namespace {

constexpr int kToday = 46000;

std::string SourceCatalogue() {
    const std::string today = std::to_string(kToday);
    return test::CatalogueText({
        {"Common", {{"LastCDID", "00003"}, {"Genres", "1"}, {"Countries", "0"}, {"Company", "0"}, {"Contacts", "0"}}},
        {"Genres", {{"0", "Драма"}, {"1", "Комедия"}}},
        {"Countries", {{"0", "СССР"}}},
        {"Company", {{"0", "Мосфильм"}}},
        {"Contacts", {{"0", "Иван"}}},
        {"00001",
         {{"Nam", "Солярис"},
          {"Nam2", "Solaris"},
          {"Gen", "0"},
          {"Aud", "1"},
          {"Rol", "Банионис, Бондарчук"},
          {"Dir", "Тарковский"},
          {"Cou", "0"},
          {"Comp", "0"},
          {"Year", "1972"},
          {"Lon", "167"},
          {"Car", "3074"},
          {"Ent", today},
          {"Giv", "0"},
          {"Gin", "-1"},
          {"Lin", "2"},
          {"Li1", "Станция над океаном"},
          {"Li2", "Гибарян, \"_x0041_\" & <Снаут>"}}},
        {"00002",
         {{"Nam", "Без жанра"},
          {"Gen", "-1"},
          {"Aud", "-1"},
          {"Cou", "-1"},
          {"Comp", "-1"},
          {"Lon", "0"},
          {"Car", "-1024"},
          {"Ent", today},
          {"Giv", "45990"},
          {"Gin", "0"}}},
        {"00003",
         {{"Nam", "Бриллиантовая рука"},
          {"Gen", "1"},
          {"Aud", "2"},
          {"Year", "1968"},
          {"Lon", "94"},
          {"Car", "1"},
          {"Ent", today},
          {"Lin", "1"},
          {"Li1", "Комедия Гайдая"}}},
    });
}

CatalogueTable Table(const TIniFile& catalogue) {
    return BuildTable(catalogue, FilterCriteria{}, SetupSettings{}, BuiltInLayout(), kToday, false).table;
}

// The identifiers are new ones, given in the order of the rows.
std::vector<std::array<std::string, kColumnCount>> WithoutIdentifiers(const CatalogueTable& table) {
    std::vector<std::array<std::string, kColumnCount>> cells;
    for (const TableRow& row : table.rows) cells.push_back(row.cells);
    for (auto& row : cells) row[0].clear();
    return cells;
}

// A workbook the program exported, imported into an empty catalogue, gives the same table: with the
// sort mark in the headings or without, whatever the options of the export. Only the identifiers
// differ, as the import gives new ones in the order of the rows (and the entry day, and so the
// new-disc mark, is the day of the import).
TEST(ImportRoundTripTest, ExportedWorkbookImportsToTheSameTable) {
    test::TempDir dir;
    dir.Write("source.cbf", SourceCatalogue());
    const TIniFile source(dir.File("source.cbf"));
    const CatalogueTable table = Table(source);
    ASSERT_EQ(table.rows.size(), 3u);
    const test::FixedDateFormat dates;
    const test::FixedClock clock(kToday);
    const SetupSettings setup;
    for (const int sortOrder : {1, -1})
        for (const bool availability : {false, true})
            for (const DescriptionLayout description :
                 {DescriptionLayout::None, DescriptionLayout::Horizontal, DescriptionLayout::Vertical}) {
                const std::string name =
                    std::to_string(sortOrder) + std::to_string(availability) + std::to_string(int(description));
                const auto headings = HeadingRow(BuiltInLayout(), sortOrder);
                WorkbookReport report;
                ASSERT_EQ(WriteWorkbook({headings, table, source, dates}, {true, availability, description},
                                        dir.File(name + ".xlsx"), report),
                          ExportResult::Done);

                const SheetRead sheet = ReadSheetFile(dir.File(name + ".xlsx"));
                ASSERT_TRUE(sheet.Ok()) << name;
                const std::vector<ImportField> mapping = PresetMapping(ColumnHeadings(sheet.rows), BuiltInLayout());
                TIniFile target(dir.File(name + ".cbf"));
                const std::optional<ImportPlan> plan = PlanImport(target, {sheet.rows, mapping, BuiltInLayout()});
                EXPECT_TRUE(plan->skipped.empty()) << name;
                const JournalContext journal{dir.File(name + ".log"), setup, clock, dates, dir.File(name + ".cbf")};
                ASSERT_EQ(ApplyImport(target, *plan, {dir.Path() + "/", kToday, journal}), ImportResult::Done);

                const TIniFile imported(dir.File(name + ".cbf"));
                const CatalogueTable again = Table(imported);
                EXPECT_EQ(WithoutIdentifiers(again), WithoutIdentifiers(table)) << name;
                if (description == DescriptionLayout::None) continue;
                for (std::size_t r = 0; r < table.rows.size(); ++r)
                    EXPECT_EQ(ReadDescriptionLines(imported, again.rows[r].cells[0]),
                              ReadDescriptionLines(source, table.rows[r].cells[0]))
                        << name << r;
            }
}

} // namespace
} // namespace mcb

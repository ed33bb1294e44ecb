#include "SheetCells.h"
#include "catalogue/CatalogueFixture.h"
#include "output/ExportLayout.h"
#include "storage/MyIniFiles.h"
#include "support/FakeServices.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace mcb {
namespace {

using test::CellPosition;

TableRow Disc(const std::string& id, const std::string& title, const std::string& gin = "-1",
              const std::string& giv = "0") {
    TableRow row;
    for (int c = 0; c < kColumnCount; ++c) row.cells[c] = "c" + std::to_string(c) + "-" + id;
    row.cells[0] = id;
    row.cells[1] = W(title);
    row.cells[10] = ""; // no duration: the cell stays empty
    row.gin = gin;
    row.giv = giv;
    return row;
}

// The text put into a cell; empty for a cell left empty.
std::string TextAt(const test::RecordingSheet& sheet, CellPosition position) {
    const auto found = sheet.cells.find(position);
    return found == sheet.cells.end() ? std::string() : found->second;
}

std::array<std::string, kColumnCount> Headings() {
    std::array<std::string, kColumnCount> headings;
    for (int c = 0; c < kColumnCount; ++c) headings[c] = "H" + std::to_string(c);
    headings[1] = W("#  Название");
    return headings;
}

class ExportLayoutTest : public ::testing::Test {
protected:
    ExportLayoutTest() {
        dir_.Write("base.cbf",
                   test::CatalogueText({
                       {"Contacts", {{"0", "Иван"}, {"1", "Пётр"}}},
                       {"00001", {{"Nam", "Солярис"}, {"Lin", "3"}, {"Li1", "один"}, {"Li2", ""}, {"Li3", "три"}}},
                       {"00002", {{"Nam", "Чужой"}, {"Lin", "2"}, {"Li1", "a"}, {"Li2", "b"}}},
                       {"00003", {{"Nam", "Сталкер"}, {"Lin", "0"}, {"Li1", "stale"}}},
                       {"00004", {{"Nam", "Broken"}, {"Lin", "2000000000"}, {"Li1", "x"}, {"Li2", "y"}}},
                       {"00005", {{"Nam", "Short"}, {"Lin", "3"}, {"Li1", "only"}}},
                   }));
        catalogue_ = std::make_unique<TIniFile>(dir_.File("base.cbf"));
        table_.rows = {Disc("00001", "Солярис"), Disc("00002", "Чужой   !New!", "0", "45000"),
                       Disc("00003", "Сталкер", "7", "45001")};
    }

    test::RecordingSheet Export(const ExportOptions& options, const TIniFile* catalogue = nullptr) {
        test::RecordingSheet sheet;
        const ExportSource source{headings_, table_, catalogue ? *catalogue : *catalogue_, dates_};
        EXPECT_EQ(ExportResult::Done, ExportTable(source, options, sheet));
        EXPECT_FALSE(sheet.wentBack);
        return sheet;
    }

    test::TempDir dir_;
    std::unique_ptr<TIniFile> catalogue_;
    CatalogueTable table_;
    const std::array<std::string, kColumnCount> headings_ = Headings();
    test::FixedDateFormat dates_;
};

TEST_F(ExportLayoutTest, HeaderAndAvailabilityWithoutDescription) {
    const auto sheet = Export({true, true, DescriptionLayout::None});
    for (int c = 0; c < kColumnCount; ++c) EXPECT_EQ(sheet.cells.at({1, c + 1}), headings_[c]);
    EXPECT_EQ(sheet.cells.at({1, 13}), W("Наличие диска"));
    EXPECT_FALSE(sheet.cells.contains({1, 14}));
    for (int c = 0; c < kColumnCount; ++c) EXPECT_EQ(TextAt(sheet, {2, c + 1}), table_.rows[0].cells[c]);
    EXPECT_EQ(sheet.cells.at({2, 13}), W("Диск в наличии"));
    EXPECT_EQ(sheet.cells.at({3, 2}), W("Чужой   !New!"));
    EXPECT_EQ(sheet.cells.at({3, 13}), W("Диск отдан в долг D45000. Должник: Иван"));
    // A debtor missing from the contacts gives an empty name, the sentence stays.
    EXPECT_EQ(sheet.cells.at({4, 13}), W("Диск отдан в долг D45001. Должник: "));
    EXPECT_EQ(sheet.lastRow, 4);
    EXPECT_FALSE(sheet.cells.contains({2, 14}));
}

// Each layout as (row, column) -> text of the description cells of the first two discs, and the
// row where the third disc starts. Header off: discs start in row 1; availability adds column 13.
TEST_F(ExportLayoutTest, DescriptionLayouts) {
    struct Case {
        ExportOptions options;
        std::map<CellPosition, std::string> description;
        int thirdDiscRow;
    };
    const Case cases[] = {
        {{false, false, DescriptionLayout::Vertical},
         {{{1, 13}, "один"}, {{3, 13}, "три"}, {{5, 13}, "a"}, {{6, 13}, "b"}},
         8},
        {{false, true, DescriptionLayout::Horizontal},
         {{{1, 14}, "один"}, {{1, 16}, "три"}, {{2, 14}, "a"}, {{2, 15}, "b"}},
         3},
        {{false, false, DescriptionLayout::SingleCell}, {{{1, 13}, "один  три "}, {{2, 13}, "a b "}}, 3},
        {{true, false, DescriptionLayout::SingleCell}, {{{2, 13}, "один  три "}, {{3, 13}, "a b "}}, 4},
    };
    for (const Case& c : cases) {
        const auto sheet = Export(c.options);
        std::map<CellPosition, std::string> description;
        const int firstColumn = c.options.availability ? 14 : 13;
        for (const auto& [position, text] : sheet.cells)
            if (position.second >= firstColumn && position.first < c.thirdDiscRow &&
                (position.first > 1 || !c.options.header))
                description[position] = text;
        std::map<CellPosition, std::string> expected;
        for (const auto& [position, text] : c.description) expected[position] = W(text);
        EXPECT_EQ(description, expected) << int(c.options.description);
        EXPECT_EQ(sheet.cells.at({c.thirdDiscRow, 1}), "00003") << int(c.options.description);
        // The third disc has Lin 0: nothing is written for it, whatever lines are left in the file.
        EXPECT_EQ(sheet.lastRow, c.thirdDiscRow);
    }
}

TEST_F(ExportLayoutTest, HeaderNamesTheDescriptionColumnUnlessItIsLeftOut) {
    const auto sheet = Export({true, false, DescriptionLayout::Vertical});
    EXPECT_EQ(sheet.cells.at({1, 13}), W("Описание диска"));
    // Vertical after a header: the first disc's lines fill rows 2 to 4, the next disc is in row 6.
    EXPECT_EQ(sheet.cells.at({4, 13}), W("три"));
    EXPECT_EQ(sheet.cells.at({6, 1}), "00002");
}

TEST_F(ExportLayoutTest, UnreadableCatalogueGivesEmptyNamesAndNoDescription) {
    const TIniFile unreadable(dir_.File("missing/base.cbf"));
    const auto sheet = Export({false, true, DescriptionLayout::Vertical}, &unreadable);
    EXPECT_EQ(sheet.cells.at({2, 13}), W("Диск отдан в долг D45000. Должник: "));
    EXPECT_EQ(sheet.lastRow, 3); // one row per disc
    for (const auto& [position, text] : sheet.cells) EXPECT_LE(position.second, 13);
}

// A hand-edited Lin far beyond the stored lines costs only the lines that exist.
TEST_F(ExportLayoutTest, HugeLineCountReadsOnlyStoredLines) {
    table_.rows = {Disc("00004", "Broken"), Disc("00001", "Солярис")};
    const auto sheet = Export({false, false, DescriptionLayout::Vertical});
    EXPECT_EQ(sheet.cells.at({2, 13}), "y");
    EXPECT_EQ(sheet.cells.at({4, 1}), "00001");
}

// Lin declares the lines: those without a key are empty cells, and the next disc comes after all of
// them.
TEST_F(ExportLayoutTest, DeclaredLinesWithoutKeysKeepTheirPlaces) {
    table_.rows = {Disc("00005", "Short"), Disc("00002", "Чужой")};
    const auto vertical = Export({false, false, DescriptionLayout::Vertical});
    EXPECT_EQ(vertical.cells.at({1, 13}), "only");
    EXPECT_EQ(vertical.cells.at({5, 1}), "00002");
    EXPECT_EQ(Export({false, false, DescriptionLayout::SingleCell}).cells.at({1, 13}), "only   ");
}

TEST_F(ExportLayoutTest, StopsAtTheFirstRefusedCellOrWhenCancelled) {
    test::RecordingSheet refusing;
    refusing.refuseAt = CellPosition{2, 5};
    const ExportSource source{headings_, table_, *catalogue_, dates_};
    EXPECT_EQ(ExportResult::Failed, ExportTable(source, {}, refusing));
    EXPECT_EQ(refusing.lastRow, 2);
    EXPECT_EQ(refusing.puts, 12 + 4);

    test::RecordingSheet sheet;
    std::vector<std::size_t> seen;
    const auto stopAfterTwo = [&](std::size_t done, std::size_t total) {
        seen.push_back(done);
        EXPECT_EQ(total, 3u);
        return done < 2;
    };
    EXPECT_EQ(ExportResult::Cancelled, ExportTable(source, {}, sheet, stopAfterTwo));
    EXPECT_EQ(seen, (std::vector<std::size_t>{1, 2}));
    EXPECT_EQ(sheet.lastRow, 3);
}

TEST(NothingToExportTest, OnlyTheTableWithoutDiscs) {
    CatalogueTable table;
    EXPECT_TRUE(NothingToExport(table));
    table.rows[0].cells[0] = "00001";
    EXPECT_FALSE(NothingToExport(table));
}

} // namespace
} // namespace mcb

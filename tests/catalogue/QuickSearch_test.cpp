// The quick search: which discs hold every typed word, the words' folding, and the table it leaves
// after the catalogue's changes and further typing.
#include "CatalogueFixture.h"
#include "catalogue/LiveTable.h"
#include "catalogue/QuickSearch.h"
#include "catalogue/SearchWords.h"
#include "storage/Layout.h"
#include "storage/Literal.h"
#include "storage/MyIniFiles.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <memory>

namespace mcb {
namespace {

// The searched text of one disc from its fields, given in UTF-8.
std::string Searched(std::initializer_list<const char*> fields) {
    std::string searched;
    for (const char* field : fields) AppendSearchText(searched, W(field));
    return searched;
}

TEST(SearchWords, AreFoundWhateverTheCaseAndTheLetterЁ) {
    const struct {
        const char* name;
        const char* typed;
        std::initializer_list<const char*> fields;
        bool found;
    } cases[] = {
        {"Cyrillic, other case", "МАТРИЦА", {"Матрица"}, true},
        {"Latin, other case", "matrix", {"The MATRIX"}, true},
        {"part of a word", "триц", {"Матрица"}, true},
        {"ё typed, е stored", "ёж", {"Ежик в тумане"}, true},
        {"е typed, Ё stored", "елки", {"ЁЛКИ"}, true},
        {"Ё typed, ё stored", "ЁЛ", {"ёлки"}, true},
        {"other Cyrillic letters of the code page", "ЇЖАК", {"їжак"}, true},
        {"every word, in any field", "нео тринити", {"Матрица", "", "Киану Ривз (Нео), Тринити"}, true},
        {"every word, in any order", "тринити нео", {"Нео", "Тринити"}, true},
        {"one word missing", "нео морфеус", {"Матрица", "Нео"}, false},
        {"a word is not found across two fields", "цанео", {"Матрица", "Нео"}, false},
        {"blanks and tabs only part words", "  нео\tматр  ", {"Матрица Нео"}, true},
        {"a word repeated", "нео нео", {"Нео"}, true},
        {"а word held in another one", "ма матрица", {"Матрица"}, true},
        {"punctuation is part of the word", "(нео)", {"Нео"}, false},
        {"е is not э", "эж", {"Ежик"}, false},
    };
    for (const auto& c : cases) {
        const SearchWords words(W(c.typed));
        EXPECT_FALSE(words.empty()) << c.name;
        EXPECT_EQ(words.FoundIn(Searched(c.fields)), c.found) << c.name;
    }
}

TEST(SearchWords, ShownAsTypedAndEmptyWithoutWords) {
    const struct {
        const char* typed;
        const char* shown;
    } cases[] = {{"", ""}, {"   \t ", ""}, {"  Нео   матрица ", "Нео матрица"}, {"ёЖ", "ёЖ"}};
    for (const auto& c : cases) {
        const SearchWords words(W(c.typed));
        EXPECT_EQ(words.shown(), W(c.shown)) << c.typed;
        EXPECT_EQ(words.empty(), *c.shown == '\0') << c.typed;
    }
}

TEST(SearchWords, NarrowOnlyWhenEveryEarlierWordIsKept) {
    const struct {
        const char* now;
        const char* before;
        bool narrows;
    } cases[] = {
        {"матр", "мат", true},     {"мат нео", "мат", true},   {"нео мат", "мат нео", true}, {"ма", "мат", false},
        {"мат", "мат нео", false}, {"МАТРИЦА", "трица", true}, {"матрица", "ёлки", false},   {"ёлка", "ел", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SearchWords(W(c.now)).Narrows(SearchWords(W(c.before))), c.narrows) << c.now << " / " << c.before;
}

// A catalogue of six discs, five holding the word "нео" each in another field, and
// the window's table over it sorted by title.
class Searching : public ::testing::Test {
protected:
    void SetUp() override {
        dir_.Write("base.cbf", test::CatalogueText({
                                   {"Common", {{"LastCDID", "00006"}}},
                                   {"00001", {{"Nam", "Нео в названии"}}},
                                   {"00002", {{"Nam", "Д"}, {"Nam2", "Второе НЕО"}}},
                                   {"00003", {{"Nam", "В"}, {"Rol", "Киану (Нео)"}}},
                                   {"00004", {{"Nam", "Б"}, {"Dir", "неоновый"}}},
                                   {"00005", {{"Nam", "А"}, {"Lin", "2"}, {"Li1", "пусто"}, {"Li2", "и нЕо"}}},
                                   {"00006", {{"Nam", "Г"}, {"Lin", "1"}, {"Li1", "ничего"}}},
                               }));
        catalogue_ = std::make_unique<TIniFile>(dir_.File("base.cbf"));
    }
    // Identifiers of the rows the table shows after typing `typed`, joined by blanks.
    std::string Rows(const char* typed) {
        search_.SetText(W(typed));
        table_.Refresh(*catalogue_, {filter_, setup_, layout_, 46000, search_.Found(*catalogue_)});
        std::string rows;
        if (table_.IsEmpty()) return rows;
        for (int row = 0; row < table_.RowCount(); ++row) rows += (row ? " " : "") + table_.DiscIdOfRow(row);
        return rows;
    }

    test::TempDir dir_;
    std::unique_ptr<TIniFile> catalogue_;
    FilterCriteria filter_;
    SetupSettings setup_; // sorted by title
    TableLayout layout_ = BuiltInLayout();
    QuickSearch search_;
    LiveTable table_;
};

TEST_F(Searching, EveryFieldIsSearchedAndTheTableKeepsItsOrder) {
    const struct {
        const char* typed;
        const char* rows;
    } cases[] = {
        {"", "00005 00004 00003 00006 00002 00001"},
        {"нео", "00005 00004 00003 00002 00001"},
        {"неон", "00004"},
        {"нео ничего", ""},
        {"пусто", "00005"},
        {"   ", "00005 00004 00003 00006 00002 00001"},
        {"в", "00004 00003 00002 00001"},
    };
    for (const auto& c : cases) EXPECT_EQ(Rows(c.typed), c.rows) << c.typed;
}

TEST_F(Searching, CountersCountTheShownDiscs) {
    catalogue_->WriteString("00001", "Gin", "0"); // lent
    catalogue_->WriteString("00006", "Gin", "0");
    Rows("нео");
    const TableCounters& counters = table_.counters();
    EXPECT_EQ(counters.all, 6);
    EXPECT_EQ(counters.lent, 2);
    EXPECT_EQ(counters.shown, 5);
    EXPECT_EQ(counters.shownLent, 1);
}

TEST_F(Searching, TheFilterStillApplies) {
    filter_.Nalichie = false; // lent discs only
    catalogue_->WriteString("00003", "Gin", "0");
    catalogue_->WriteString("00006", "Gin", "0");
    EXPECT_EQ(Rows("нео"), "00003");
    EXPECT_EQ(Rows(""), "00003 00006");
}

TEST_F(Searching, DiscsNotFoundHaveNoRow) {
    Rows("неон");
    EXPECT_EQ(table_.RowOfDisc("00004"), 0);
    EXPECT_EQ(table_.RowOfDisc("00001"), -1);
    EXPECT_TRUE(table_.Excerpt("00001").IsEmpty());
    EXPECT_EQ(table_.Snapshot().rows.size(), 1u);
}

// Typing on narrows the discs found before; the catalogue's changes in between are searched too.
TEST_F(Searching, FollowsTheCatalogueBetweenKeystrokes) {
    EXPECT_EQ(Rows("не"), "00005 00004 00003 00002 00001");
    catalogue_->WriteString("00006", "Li1", W("теперь нео")); // gains the word
    catalogue_->WriteString("00005", "Lin", "1");             // its line with the word no longer counts
    catalogue_->EraseSection("00002");                        // deleted
    catalogue_->WriteString("Common", "LastCDID", "00007");
    catalogue_->WriteString("00007", "Nam", W("Ёнеоё")); // added
    EXPECT_EQ(Rows("нео"), "00004 00003 00006 00007 00001");
    catalogue_->WriteString("00004", "Dir", W("никто"));
    EXPECT_EQ(Rows("нео"), "00003 00006 00007 00001");
    EXPECT_EQ(Rows("енеое"), "00007");
}

TEST_F(Searching, ATextTheCodePageCannotHoldFindsNothing) {
    search_.SetText(W("нео"), /*findsNothing=*/true);
    table_.Refresh(*catalogue_, {filter_, setup_, layout_, 46000, search_.Found(*catalogue_)});
    EXPECT_TRUE(table_.IsEmpty());
    EXPECT_EQ(table_.counters().all, 6);
}

} // namespace
} // namespace mcb

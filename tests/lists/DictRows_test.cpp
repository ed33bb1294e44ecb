#include "ListsFixture.h"
#include "lists/KindInfo.h"
#include "storage/Cp1251.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>

namespace mcb::test {
namespace {

TEST(DictRowsTest, LoadsExistingEntriesSortedByUpperCasedName) {
    CatalogueFixture base("[Common]\r\nGenres=8\r\n[Genres]\r\n3=драма\r\n0=Комедия\r\n1=--Empty--\r\n"
                          "007=Ужасы\r\n5=боевик\r\n9=Мюзикл\r\n-1=Минус\r\n2=\r\n8=Ёлки\r\n6=Alpha\r\n");
    const std::vector<DictRow> rows = LoadRows(*base.ini, DictKind::Genres);
    // Latin sorts before Cyrillic and Ё between Е and Ж; "--Empty--", keys that are no index and
    // indices above the counter are not entries; an empty name is.
    EXPECT_EQ(Names(rows), (std::vector<std::string>{"", "Alpha", "боевик", "драма", "Ёлки", "Комедия"}));
    EXPECT_EQ(Indices(rows), (std::vector<int>{2, 6, 5, 3, 8, 0}));
}

TEST(DictRowsTest, CounterDecidesWhatExists) {
    const struct {
        const char* common;
        std::vector<int> expected;
    } cases[] = {
        {"", {}},                              // never had an entry
        {"Genres=-1\r\n", {}},                 // likewise
        {"Genres=x\r\n", {}},                  // unreadable counter reads as -1
        {"Genres=1\r\n", {0, 1}},              // indices above it are ignored
        {"Genres=2147483647\r\n", {0, 1, 40}}, // a huge counter costs nothing
    };
    for (const auto& c : cases) {
        CatalogueFixture base(std::string("[Common]\r\n") + c.common + "[Genres]\r\n0=a\r\n1=b\r\n40=c\r\n");
        EXPECT_EQ(Indices(ReadEntries(*base.ini, Info(DictKind::Genres))), c.expected) << c.common;
    }
}

// The procedure the window has always used, literally.
std::vector<int> ReferenceExchangeSort(std::vector<DictRow> rows) {
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (std::size_t p = r + 1; p < rows.size(); ++p)
            if (CompareSorted(rows[r].name, rows[p].name) > 0) std::swap(rows[r], rows[p]);
    return Indices(rows);
}

std::vector<DictRow> RandomRows(std::mt19937& random, std::size_t count, const std::vector<std::string>& words) {
    std::vector<DictRow> rows;
    std::uniform_int_distribution<std::size_t> pick(0, words.size() - 1);
    for (std::size_t i = 0; i < count; ++i) rows.push_back({int(i), W(words[pick(random)]), {}, {}});
    return rows;
}

TEST(DictRowsTest, SortMatchesTheExchangeSortIncludingTies) {
    std::mt19937 random(7);
    const std::vector<std::string> fewWords{"a", "A", "b", "B", "ab", "ёж", "ЁЖ", "Еж", "еЖ", "Жук", "Євро", "я", "z"};
    std::vector<std::string> manyWords;
    for (int i = 0; i < 3000; ++i) manyWords.push_back("w" + std::to_string(i * 7919 % 3001));
    const struct {
        std::size_t count;
        const std::vector<std::string>& words;
    } cases[] = {{2, fewWords}, {7, fewWords}, {40, fewWords}, {300, fewWords}, {1500, manyWords}};
    for (const auto& c : cases) {
        for (int round = 0; round < 5; ++round) {
            std::vector<DictRow> rows = RandomRows(random, c.count, c.words);
            const std::vector<int> expected = ReferenceExchangeSort(rows);
            SortRows(rows);
            ASSERT_EQ(Indices(rows), expected) << c.count << " rows, round " << round;
        }
    }
    // Distinct names in any order.
    std::vector<DictRow> rows;
    for (int i = 0; i < 2000; ++i) rows.push_back({i, W("Имя " + std::to_string(i)), {}, {}});
    std::shuffle(rows.begin(), rows.end(), random);
    const std::vector<int> expected = ReferenceExchangeSort(rows);
    SortRows(rows);
    EXPECT_EQ(Indices(rows), expected);
}

} // namespace
} // namespace mcb::test

#include "LiteralExchangeSort.h"
#include "RankPatterns.h"
#include "catalogue/ExchangeOrder.h"
#include "catalogue/TableSort.h"
#include "storage/Cp1251.h"

#include <gtest/gtest.h>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace mcb {
namespace {

std::vector<int> LiteralOrder(const std::vector<int>& ranks) {
    std::vector<int> order(ranks.size());
    for (size_t p = 0; p < order.size(); ++p) order[p] = int(p);
    for (size_t i = 0; i + 1 < order.size(); ++i)
        for (size_t j = i + 1; j < order.size(); ++j)
            if (ranks[order[i]] > ranks[order[j]]) std::swap(order[i], order[j]);
    return order;
}

// Few distinct texts, so that ties are common; lower and upper case Latin and Cyrillic letters
// (Windows-1251 bytes) make texts equal only after upper-casing, and prefixes make proper prefixes.
// Ё and ё come with their neighbours Е, е, Ж and with Є and А, whose codes lie between Ё and Е.
std::string RandomText(std::mt19937& rng) {
    static const std::vector<std::string> pieces = {
        "",     "a",    "A",    "ab",   "AB",   "b", "\xEC",     "\xCC", "\xEC\xE8", "\xCC\xC8", "\xB8", "\xA8",
        "\xC5", "\xE5", "\xC6", "\xAA", "\xC0", "Z", "   !New!", "1",    "12",       "-3",       "x1"};
    std::string text = pieces[rng() % pieces.size()];
    if (rng() % 4 == 0) text += pieces[rng() % pieces.size()];
    return text;
}

std::vector<TableRow> RandomRows(std::mt19937& rng, int count) {
    std::vector<TableRow> rows(count);
    for (int r = 0; r < count; ++r) {
        for (auto& cell : rows[r].cells) cell = RandomText(rng);
        rows[r].cells[0] = std::to_string(r);
        rows[r].gin = std::to_string(r);
    }
    return rows;
}

TEST(TableSort, AgreesWithTheExchangeSortOnEveryOrderWithManyTies) {
    std::mt19937 rng(20240611);
    for (int trial = 0; trial < 2500; ++trial) {
        const int size = trial < 200 ? trial : int(rng() % 201);
        const int order = trial % 13 - 1; // -1 .. 11, outside values included
        const std::vector<TableRow> input = RandomRows(rng, size);
        std::vector<TableRow> expected = input;
        std::vector<TableRow> actual = input;
        test::LiteralSort(expected, order);
        SortRows(actual, order);
        ASSERT_EQ(expected.size(), actual.size());
        for (size_t r = 0; r < expected.size(); ++r) {
            ASSERT_EQ(expected[r].cells, actual[r].cells) << "order " << order << " size " << size << " row " << r;
            ASSERT_EQ(expected[r].gin, actual[r].gin);
        }
    }
}

TEST(TableSort, OrderZeroAndOutOfRangeKeepIdentifierOrder) {
    std::mt19937 rng(7);
    const std::vector<TableRow> input = RandomRows(rng, 30);
    for (int order : {0, 12, -5, 1000}) {
        std::vector<TableRow> rows = input;
        SortRows(rows, order);
        for (size_t r = 0; r < rows.size(); ++r) EXPECT_EQ(rows[r].cells[0], input[r].cells[0]) << order;
    }
}

TEST(ExchangeSortOrder, AgreesWithTheExchangeSortOnStructuredInputs) {
    for (const std::string& kind : test::RankPatternNames()) {
        for (int n : {0, 1, 2, 3, 50, 401}) {
            const std::vector<int> ranks = test::RankPattern(kind, n, 99);
            EXPECT_EQ(LiteralOrder(ranks), ExchangeSortOrder(ranks)) << kind << " " << n;
        }
    }
}

TEST(SortNumber, ReadsIntegersAndCountsAnythingElseAsMinusOne) {
    const std::pair<std::string, long long> cases[] = {
        {"", -1}, {"0", 0}, {"95", 95}, {"-7", -7}, {"+4", 4}, {"12a", -1}, {" 5", -1}, {"abc", -1}, {"+", -1},
    };
    for (const auto& [cell, number] : cases) EXPECT_EQ(number, SortNumber(cell)) << cell;
}

} // namespace
} // namespace mcb

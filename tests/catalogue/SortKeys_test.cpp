#include "catalogue/SortKeys.h"
#include "storage/Cp1251.h"

#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace mcb {
namespace {

int Sign(int c) {
    return (c > 0) - (c < 0);
}

// Texts with long common starts, repeats and the letters whose order is special (Е, Ё, е, ё, NUL).
std::string RandomText(std::mt19937& random) {
    static const std::vector<std::string> pieces = {
        "a", "b", "\xC5", "\xA8", "\xE5", "\xB8", std::string(1, '\0'), " ", "Alien 2", "Фантастика"};
    std::string text;
    const int count = int(random() % 4);
    for (int k = 0; k < count; ++k) text += pieces[random() % pieces.size()];
    return text;
}

struct Row {
    std::string title, cell;
    RowKey key;
};

// Every pair of rows compares by its keys as the cells, then the titles, compare alphabetically.
void ExpectOrderOfTheTexts(const SortKeyTexts& texts, const std::vector<Row>& rows, int sortOrder) {
    for (const Row& a : rows)
        for (const Row& b : rows) {
            int expected = sortOrder == kTitleColumn ? 0 : Sign(CompareSorted(a.cell, b.cell));
            if (expected == 0) expected = Sign(CompareSorted(a.title, b.title));
            ASSERT_EQ(Sign(texts.Compare(a.key, b.key)), expected)
                << "order " << sortOrder << ": [" << a.cell << "|" << a.title << "] against [" << b.cell << "|"
                << b.title << "]";
        }
}

TEST(SortKeys, KeysCompareAsTheirTextsBeforeAndAfterCompacting) {
    for (int sortOrder : {kTitleColumn, 3}) {
        std::mt19937 random{unsigned(sortOrder)};
        SortKeyTexts texts(sortOrder);
        std::vector<Row> rows;
        const auto add = [&](int count) {
            for (int k = 0; k < count; ++k) {
                Row row{RandomText(random), RandomText(random), {}};
                row.key = texts.Make(row.title, {}, row.cell);
                rows.push_back(row);
            }
        };
        add(150);
        ExpectOrderOfTheTexts(texts, rows, sortOrder);
        rows.erase(rows.begin() + 20, rows.end()); // the others' texts are dropped by compacting
        std::vector<RowKey*> keys;
        for (Row& row : rows) keys.push_back(&row.key);
        texts.Compact(keys);
        add(150); // keys made after compacting, beside the kept ones
        ExpectOrderOfTheTexts(texts, rows, sortOrder);
    }
}

} // namespace
} // namespace mcb

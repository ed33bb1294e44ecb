#include "ListsFixture.h"
#include "lists/DictSelection.h"

#include <gtest/gtest.h>

namespace mcb::test {
namespace {

TEST(DictSelectionTest, SelectionText) {
    CatalogueFixture base("[Common]\r\nGenres=3\r\nCountries=0\r\n[Genres]\r\n0=Драма\r\n1=Комедия\r\n"
                          "3=Ужасы\r\n[Countries]\r\n0=Франция\r\n");
    const struct {
        DictKind kind;
        const char* selection;
        int truncate;
        const char* expected;
    } cases[] = {
        {DictKind::Genres, "", 0, "[ Все жанры ]"},
        {DictKind::Genres, "-1", 0, "[ Все жанры ]"},
        {DictKind::Contacts, "", 0, "[ Все контакты ]"},
        {DictKind::Countries, "-1", 0, "[ Все страны ]"},
        {DictKind::Companies, "", 0, "[ Все компании-производители ]"},
        {DictKind::Genres, "3 0", 0, "Ужасы; Драма"},       // order of picking
        {DictKind::Genres, "0 1  ", 0, "Драма; Комедия"},   // trailing blanks
        {DictKind::Genres, "0 2 1", 0, "Драма; ; Комедия"}, // a deleted entry gives an empty name
        {DictKind::Genres, "3 1", 5, "Ужасы; Комед"},       // cut to five characters
        {DictKind::Genres, "1", -1, "Комедия"},             // no limit below 1
        {DictKind::Countries, "0", 3, "Фра"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(U(ListSelectionText(*base.ini, c.kind, W(c.selection), c.truncate)), c.expected) << c.selection;
}

TEST(DictSelectionTest, Toggle) {
    const struct {
        const char* selection;
        const char* index;
        const char* expected;
    } cases[] = {
        {"", "4", "4"},        {"-1", "4", "4"}, {"-1 ", "4", "4"},   {"1 2", "4", "1 2 4"},     {"1 2 ", "4", "1 2 4"},
        {"1 4 2", "4", "1 2"}, {"4", "4", ""},   {"4 1 4", "4", "1"}, {"14 41", "4", "14 41 4"},
    };
    for (const auto& c : cases) EXPECT_EQ(ToggleEntry(c.selection, c.index), c.expected) << c.selection;
}

} // namespace
} // namespace mcb::test

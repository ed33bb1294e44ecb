#include "storage/Cp1251.h"
#include "storage/TextCodec.h"

#include <gtest/gtest.h>

namespace mcb {
namespace {

std::string W(const char* utf8) {
    return Cp1251FromUtf8(utf8).text;
}

TEST(TextCase, UpperCaseCoversLatinAndCyrillic) {
    struct Case {
        const char* in;
        const char* out;
    } cases[] = {{"abc xyz", "ABC XYZ"},
                 {"война и мир", "ВОЙНА И МИР"},
                 {"ёлка", "ЁЛКА"},
                 {"ўіїєґ", "ЎІЇЄҐ"},
                 {"ђѓљњќћџјѕ", "ЂЃЉЊЌЋЏЈЅ"},
                 {"123 !?", "123 !?"},
                 {"УЖЕ ВЕРХНИЙ", "УЖЕ ВЕРХНИЙ"}};
    for (const auto& c : cases) EXPECT_EQ(UpperCase(W(c.in)), W(c.out)) << c.in;
}

TEST(TextCase, AlphabeticalOrderPutsYoBetweenIeAndZhe) {
    struct Case {
        const char *a, *b;
        int sign; // of CompareSorted(a, b)
    } cases[] = {
        {"zebra", "АБВ", -1},   // Latin before Cyrillic
        {"Ёжик", "Актриса", 1}, // Ё after А, not before it
        {"ёлкин", "Егоров", 1}, // after Е, lower case alike
        {"Ёлкин", "Ежов", 1},   // ...whatever follows
        {"Ёлкин", "Жуков", -1}, // before Ж
        {"ёж", "жаба", -1},     //
        {"Ёж", "ёЖ", 0},        // letter case still ties
        {"Е", "Ё", -1},         // Е itself before Ё
        {"Є", "Ё", -1},         // codes between Ё and Е keep their place before it
        {"ab", "abc", -1},      // a proper prefix comes first
        {"мир", "МИР", 0},      //
        {"я", "Ю", 1},          //
        {"Ёлка", "Ёлка!", -1},  //
        {"§", "Ё", -1},         // the code below Ё stays below
    };
    for (const Case& c : cases) {
        const int got = CompareSorted(W(c.a), W(c.b));
        EXPECT_EQ((got > 0) - (got < 0), c.sign) << c.a << " : " << c.b;
        EXPECT_EQ((SortKey(W(c.a)) > SortKey(W(c.b))) - (SortKey(W(c.a)) < SortKey(W(c.b))), c.sign) << c.a;
    }
    EXPECT_TRUE(EqualsUpper(W("Ёлкина"), W("ЁЛКИНА")));
    EXPECT_FALSE(EqualsUpper("ab", "abc"));
    EXPECT_FALSE(EqualsUpper(W("Ёж"), W("Еж")));
}

// Every pair of bytes: ranks tie exactly when the upper-cased codes do, and keep their order
// unless Ё is one of them.
TEST(TextCase, RanksKeepTheUpperCasedByteOrderForEveryOtherCharacter) {
    const unsigned char yo = 0xA8;
    for (int x = 0; x < 256; ++x)
        for (int y = 0; y < 256; ++y) {
            const unsigned char ux = UpperChar(char(x)), uy = UpperChar(char(y));
            const unsigned char rx = SortRank(char(x)), ry = SortRank(char(y));
            ASSERT_EQ(ux == uy, rx == ry) << x << " " << y;
            if (ux != yo && uy != yo) {
                ASSERT_EQ(ux < uy, rx < ry) << x << " " << y;
            }
            ASSERT_EQ(SortRankTable()[x], rx);
        }
}

TEST(TextCodec, EveryByteSurvivesTheRoundTrip) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    const auto back = Cp1251FromUtf8(Utf8FromCp1251(all));
    EXPECT_TRUE(back.Ok());
    EXPECT_EQ(back.text, all);
}

TEST(TextCodec, NamesCharactersThatCannotBeStored) {
    struct Case {
        const char* utf8;
        std::u32string unstorable;
    } cases[] = {{"Amélie", U"é"},
                 {"Фильм 😀 и 😀", U"😀"},
                 {"Ёлка № 5 — «хит»", U""},
                 {"\xFF\xFE", U"\uFFFD"},
                 {"\xE2\x82", U"\uFFFD"}};
    for (const auto& c : cases) EXPECT_EQ(Cp1251FromUtf8(c.utf8).unstorable, c.unstorable) << c.utf8;
}

} // namespace
} // namespace mcb

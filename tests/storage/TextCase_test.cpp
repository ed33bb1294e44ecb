#include <gtest/gtest.h>

#include "storage/Cp1251.h"
#include "storage/TextCodec.h"

namespace mcb {
namespace {

std::string W(const char* utf8) { return Cp1251FromUtf8(utf8).text; }

TEST(TextCase, UpperCaseCoversLatinAndCyrillic) {
    struct Case {
        const char* in;
        const char* out;
    } cases[] = {{"abc xyz", "ABC XYZ"},      {"война и мир", "ВОЙНА И МИР"}, {"ёлка", "ЁЛКА"},
                 {"ўіїєґ", "ЎІЇЄҐ"},          {"ђѓљњќћџјѕ", "ЂЃЉЊЌЋЏЈЅ"},    {"123 !?", "123 !?"},
                 {"УЖЕ ВЕРХНИЙ", "УЖЕ ВЕРХНИЙ"}};
    for (const auto& c : cases) EXPECT_EQ(UpperCase(W(c.in)), W(c.out)) << c.in;
}

TEST(TextCase, OrderingComparesUpperCasedBytes) {
    EXPECT_LT(CompareUpper("zebra", W("АБВ")), 0) << "Latin before Cyrillic";
    EXPECT_LT(CompareUpper(W("Ёж"), W("Арбуз")), 0) << "Ё (0xA8) before А (0xC0)";
    EXPECT_LT(CompareUpper("ab", "abc"), 0) << "a proper prefix is smaller";
    EXPECT_EQ(CompareUpper(W("мир"), W("МИР")), 0);
    EXPECT_GT(CompareUpper(W("я"), W("Ю")), 0);
    EXPECT_TRUE(EqualsUpper(W("Ёлкина"), W("ЁЛКИНА")));
    EXPECT_FALSE(EqualsUpper("ab", "abc"));
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

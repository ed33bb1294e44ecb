#include "catalogue/FilterRules.h"

#include <gtest/gtest.h>

namespace mcb {
namespace {

TEST(FilterRules, AvailabilityBoxesKeepOneChecked) {
    EXPECT_TRUE(KeepOneOfTwo(false, false));
    EXPECT_FALSE(KeepOneOfTwo(false, true));
    EXPECT_TRUE(KeepOneOfTwo(true, false));
}

TEST(FilterRules, AudienceKeepsTheLastCheckedBox) {
    struct Case {
        std::array<bool, 4> after; // the boxes once the click took effect
        int clicked;
        std::array<bool, 4> expected;
    } cases[] = {
        {{false, false, false, false}, 2, {false, false, true, false}},
        {{true, false, false, false}, 3, {true, false, false, false}},
        {{false, true, true, true}, 0, {false, true, true, true}},
    };
    for (auto c : cases) {
        KeepOneAudience(c.after, c.clicked);
        EXPECT_EQ(c.after, c.expected);
    }
}

TEST(FilterRules, ClearedFilterLetsEverythingThrough) {
    const FilterCriteria f = ClearedFilter();
    EXPECT_TRUE(f.Nalichie && f.Otdacha && f.SubNazva);
    EXPECT_EQ(f.Au, (std::array<bool, 4>{true, true, true, true}));
    EXPECT_EQ(f.OtdaList + f.Genree + f.CountList + f.Company + f.Nazva, "");
    EXPECT_EQ(f.hozi, 0);
}

TEST(FilterRules, StoredIndexListDropsTrailingBlanksOnly) {
    EXPECT_EQ(StoredIndexList("0 4 7  "), "0 4 7");
    EXPECT_EQ(StoredIndexList(" 3"), " 3");
    EXPECT_EQ(StoredIndexList("   "), "");
}

} // namespace
} // namespace mcb

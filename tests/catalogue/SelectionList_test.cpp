#include "catalogue/SelectionList.h"

#include <gtest/gtest.h>

namespace mcb {
namespace {

TEST(SelectionList, IsParsedIntoEntriesOfAtMostFourCharacters) {
    struct Case {
        const char* text;
        bool active;
        std::vector<std::string> entries;
    } cases[] = {
        {"", false, {}},
        {"   ", false, {}},
        {"-1", false, {}},
        {"-1  ", false, {}},
        {"3", true, {"3"}},
        {"3 5", true, {"3", "5"}},
        {"3 5   ", true, {"3", "5"}},
        {"12345 7", true, {"1234", "7"}},
        {"3  5", true, {"3", "", "5"}},
        {" 3", true, {"", "3"}},
        {"-1 4", true, {"-1", "4"}},
    };
    for (const Case& c : cases) {
        const SelectionList list = ParseSelectionList(c.text);
        EXPECT_EQ(c.active, list.active) << '"' << c.text << '"';
        EXPECT_EQ(c.entries, list.entries) << '"' << c.text << '"';
    }
}

TEST(SelectionList, KeepsTheFirst511Entries) {
    std::string text;
    for (int i = 0; i < 600; ++i) text += std::to_string(i) + " ";
    const SelectionList list = ParseSelectionList(text);
    ASSERT_EQ(511u, list.entries.size());
    EXPECT_EQ("510", list.entries.back());
    EXPECT_TRUE(list.Contains("0"));
    EXPECT_FALSE(list.Contains("511"));
}

} // namespace
} // namespace mcb

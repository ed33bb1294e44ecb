#include "output/CellValue.h"
#include "storage/Literal.h"
#include "storage/TextCodec.h"

#include <gtest/gtest.h>

namespace mcb {
namespace {

TEST(CellValueTest, WholeNumbersWithoutLeadingZeroBecomeNumbers) {
    const std::pair<const char*, std::optional<double>> cases[] = {
        {"1999", 1999}, // year
        {"167", 167},   // duration
        {"0", 0},
        {"-5", -5},
        {"123456789012345", 123456789012345.0}, // 15 digits: held exactly
        {"00012", std::nullopt},                // disc identifier keeps its zeros
        {"012", std::nullopt},
        {"-0", std::nullopt},
        {"-012", std::nullopt},
        {"1234567890123456", std::nullopt}, // more digits than a double keeps
        {"+5", std::nullopt},
        {" 7", std::nullopt},
        {"7 ", std::nullopt},
        {"7.5", std::nullopt},
        {"1e3", std::nullopt},
        {"-", std::nullopt},
        {"", std::nullopt},
        {"DVD 2", std::nullopt},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(WholeNumber(text), expected) << text;
}

TEST(CellValueTest, StoredTextIsUtf8CutToTheCellLimitWithLiteralEscapesGuarded) {
    EXPECT_EQ(StoredCellText(W("Война и мир")), "Война и мир");
    EXPECT_EQ(StoredCellText("a_x0041_b"), "a_x005F_x0041_b");
    EXPECT_EQ(StoredCellText("_x004G_ _x41_"), "_x004G_ _x41_");

    const std::string cyrillic(40000, '\xC6'); // Ж
    EXPECT_EQ(StoredCellText(cyrillic), Utf8FromCp1251(std::string(kCellTextLimit, '\xC6')));
    // The guard counts towards the limit: the text is cut behind it.
    const std::string x(kCellTextLimit - 7, 'x');
    EXPECT_EQ(StoredCellText(x + "_x0041_"), x + "_x005F_");
}

} // namespace
} // namespace mcb

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
    const std::string x(kCellTextLimit - 7, 'x');
    const std::string full(kCellTextLimit, 'f');
    const struct {
        std::string text, stored;
        bool cut;
    } cases[] = {
        {W("Война и мир"), "Война и мир", false},
        {"a_x0041_b", "a_x005F_x0041_b", false},
        {"_x004G_ _x41_", "_x004G_ _x41_", false},
        {std::string(40000, '\xC6'), Utf8FromCp1251(std::string(kCellTextLimit, '\xC6')), true}, // Ж
        {full, full, false},
        {full + "g", full, true},
        {x + "_x0041_", x + "_x005F_", true}, // the guard counts towards the limit
    };
    for (const auto& c : cases) {
        const StoredText stored = StoredCellText(c.text);
        EXPECT_EQ(stored.utf8, c.stored) << c.text.size();
        EXPECT_EQ(stored.cut, c.cut) << c.text.size();
    }
}

} // namespace
} // namespace mcb

// The part of a stored text a window shows: short values whole, long lines and long texts cut, the
// line breaks kept.
#include "platform/ShownText.h"

#include <gtest/gtest.h>

namespace mcb {
namespace {

TEST(ShownText, CutsLongLinesAndLongTexts) {
    const struct {
        std::string text;
        std::size_t line, total;
        std::string shown;
        bool cut;
    } cases[] = {
        {"short", 8, 20, "short", false},
        {"", 8, 20, "", false},
        {"exactly8", 8, 20, "exactly8", false},
        {"ninechars", 8, 20, "ninechar", true},
        {"a\r\nlonger line\r\nb", 6, 20, "a\r\nlonger\r\nb", true},
        {"one\ntwo\nthree\n", 3, 100, "one\ntwo\nthr\n", true},
        {"one\r\ntwo\r\n", 3, 100, "one\r\ntwo\r\n", false},
        {"12345\n12345\n12345\n", 10, 12, "12345\n12345\n", true}, // the total, breaks counted
        {"1234567890", 100, 4, "1234", true},
        {"ends\r", 3, 10, "end", true}, // a lone CR is no break
    };
    for (const auto& c : cases) {
        const ShownPart shown = ShownText(c.text, c.line, c.total);
        EXPECT_EQ(shown.text, c.shown) << c.text;
        EXPECT_EQ(shown.cut, c.cut) << c.text;
    }
}

TEST(ShownText, MegabytesCostOnlyWhatIsShown) {
    const std::string huge = std::string(16 << 20, 'x') + "\r\n" + std::string(16 << 20, 'y');
    const ShownPart shown = ShownText(huge, kShownFieldChars, kShownMemoChars);
    EXPECT_EQ(shown.text, std::string(kShownFieldChars, 'x') + "\r\n" + std::string(kShownFieldChars, 'y'));
    EXPECT_TRUE(shown.cut);
}

} // namespace
} // namespace mcb

#include "output/PrintWindowRules.h"

#include <gtest/gtest.h>

namespace mcb {
namespace {

TEST(PrintWindowRules, ColourInterlock) {
    struct Case {
        bool colour, back, fresh, info;
        ColourControls expected;
    } cases[] = {
        {false, true, true, true, {false, false, false, false}},
        {true, true, true, true, {true, true, true, true}},
        {true, false, true, false, {true, true, false, false}},
        {true, true, false, false, {true, false, false, true}},
    };
    for (const Case& c : cases) {
        PrinterSettings o;
        o.EnabledColorPrint = c.colour;
        o.EnabledBackColor = c.back;
        o.EnabledNewColor = c.fresh;
        o.EnabledInfoColor = c.info;
        const ColourControls got = ColourInterlock(o);
        EXPECT_EQ(c.expected.subOptionsEnabled, got.subOptionsEnabled);
        EXPECT_EQ(c.expected.newSwatch, got.newSwatch);
        EXPECT_EQ(c.expected.infoSwatch, got.infoSwatch);
        EXPECT_EQ(c.expected.backSwatch, got.backSwatch);
    }
}

// A cancelled dialog keeps the swatch, but the new-disc and lending swatches still hand their colour
// to the running table colours; the band swatch never does.
TEST(PrintWindowRules, SwatchChoiceAndRunningColours) {
    struct Case {
        Swatch swatch;
        std::optional<int> chosen;
        int back, fresh, info; // swatches afterwards
        int runningNew, runningLent;
    } cases[] = {
        {Swatch::Info, std::nullopt, 1, 2, 3, 10, 3}, {Swatch::Info, 0x7F123456, 1, 2, 0x123456, 10, 0x123456},
        {Swatch::New, std::nullopt, 1, 2, 3, 2, 20},  {Swatch::New, 0x55, 1, 0x55, 3, 0x55, 20},
        {Swatch::Back, 0x66, 0x66, 2, 3, 10, 20},     {Swatch::Back, std::nullopt, 1, 2, 3, 10, 20},
    };
    for (const Case& c : cases) {
        PrinterSettings o;
        o.BackColor = 1, o.NewColor = 2, o.InfoColor = 3;
        RunningColours running{10, 20};
        ApplySwatchChoice(c.swatch, c.chosen, o, running);
        EXPECT_EQ(c.back, o.BackColor);
        EXPECT_EQ(c.fresh, o.NewColor);
        EXPECT_EQ(c.info, o.InfoColor);
        EXPECT_EQ(c.runningNew, running.newDisc);
        EXPECT_EQ(c.runningLent, running.lentDisc);
    }
}

} // namespace
} // namespace mcb

#include "RecordingCanvas.h"
#include "output/ReportLayout.h"

#include <gtest/gtest.h>

namespace mcb {
namespace {

// Size 10: characters 10 wide (12 bold), "1" 20 high, so lines are 22 apart, the margin is 20
// wide and a page's first line is at 11.
constexpr int kLine = 22;
constexpr int kMargin = 20;
constexpr int kTop = 11;

struct Layout {
    explicit Layout(int width = 600, int height = 400, LayoutOptions options = {}) : canvas(width, height) {
        canvas.SetFont("Sans", 10);
        layout = std::make_unique<ReportLayout>(canvas, options);
        layout->Begin();
    }
    test::RecordingCanvas canvas;
    std::unique_ptr<ReportLayout> layout;
};

const test::DrawnText& Drawn(const Layout& l, const std::string& text) {
    for (const auto& t : l.canvas.texts)
        if (t.text == text) return t;
    throw std::logic_error("not drawn: " + text);
}

// After a line ends, the next starts on a new page as soon as less than two line heights remain
// below its top, both when a line is ended and when a piece wraps.
TEST(ReportLayout, BreaksThePageWhenLessThanTwoLineHeightsRemain) {
    struct Case {
        int height;
        bool wrap;
        int page, y;
    } cases[] = {
        {kTop + kLine + 2 * kLine, false, 1, kTop + kLine},
        {kTop + kLine + 2 * kLine - 1, false, 2, kTop},
        {kTop + kLine + 2 * kLine, true, 1, kTop + kLine},
        {kTop + kLine + 2 * kLine - 1, true, 2, kTop},
    };
    for (const Case& c : cases) {
        Layout l(100, c.height);
        if (c.wrap) {
            l.layout->PutWrapped(kPlain, "aaaaaa bbbbbb");
        } else {
            l.layout->PutLine(kPlain, "aaaaaa");
            l.layout->PutLine(kPlain, "bbbbbb");
        }
        const auto& second = Drawn(l, "bbbbbb");
        EXPECT_EQ(c.page, second.page) << c.height << (c.wrap ? " wrapped" : " line");
        EXPECT_EQ(c.y, second.y) << c.height << (c.wrap ? " wrapped" : " line");
        EXPECT_EQ(kMargin, second.x);
    }
}

// A negative indent holds for the wrapped lines, including the first one of the next page.
TEST(ReportLayout, HangingIndentContinuesOnTheNextPage) {
    Layout l(200, kTop + kLine + 2 * kLine - 1);
    l.layout->SetIndent(-40);
    l.layout->PutWrapped(kPlain, "aaaa bbbb cccc dddd");
    EXPECT_EQ(kMargin, Drawn(l, "aaaa ").x);
    EXPECT_EQ(kMargin + 50, Drawn(l, "bbbb ").x);
    const auto& wrapped = Drawn(l, "dddd");
    EXPECT_EQ(2, wrapped.page);
    EXPECT_EQ(kMargin + 40, wrapped.x);
    EXPECT_EQ(kTop, wrapped.y);
}

// A piece wider than a whole line starts a line of its own and is broken where each line ends
// (room for a "W" kept), one drawing per line; nothing is lost and nothing runs past the edge.
TEST(ReportLayout, PieceWiderThanALineIsBrokenAtTheLineEnds) {
    struct Case {
        std::string before;
        int width;
        std::vector<std::string> lines; // then "y", which follows on the last line
    } cases[] = {
        {"", 200, {std::string(17, 'x'), std::string(13, 'x') + " y"}},
        {"ab ", 200, {"ab ", std::string(17, 'x'), std::string(13, 'x') + " y"}},
        {"", 40, {"x", "x", "x"}}, // no room for a whole character: one a line
    };
    for (const Case& c : cases) {
        Layout l(c.width, 4000);
        const std::string wide(c.width == 40 ? 3 : 30, 'x');
        l.layout->PutWrapped(kPlain, c.before);
        l.layout->PutWrapped(kPlain, wide + (c.width == 40 ? "" : " y"));
        std::vector<std::string> lines = l.canvas.Lines();
        EXPECT_EQ(lines, c.lines) << c.before << c.width;
        EXPECT_EQ(l.canvas.texts.front().y, kTop) << "no empty line before the piece";
        EXPECT_LE(l.canvas.drawnTexts, long(c.lines.size()) + 2);
        for (const auto& text : l.canvas.texts) EXPECT_LE(text.x + int(text.text.size()) * 10, c.width);
    }
}

// The wrap is decided by the width in the style current before the piece, not in its own.
TEST(ReportLayout, MeasuresAPieceInTheStyleBeforeIt) {
    Layout l(100);
    l.layout->PutWrapped(kPlain, "aaa "); // pen at 60; 100 - 70 leaves 30
    l.layout->PutWrapped(kBold, "bbb");   // 30 plain, 36 bold: stays on the line
    EXPECT_EQ(kTop, Drawn(l, "bbb").y);
    l.layout->PutLine(kPlain, "");
    l.layout->PutWrapped(kBold, "aaa "); // pen at 68; 100 - 80 leaves 20
    l.layout->PutWrapped(kPlain, "cc");  // 24 in bold: wraps though 20 would fit
    EXPECT_EQ(kTop + 2 * kLine, Drawn(l, "cc").y);
}

TEST(ReportLayout, PageNumberLineStandsCentredAboveTheFirstLineOfEveryPage) {
    for (bool numbers : {true, false}) {
        LayoutOptions options;
        options.pageNumbers = numbers;
        Layout l(600, 120, options);
        for (const char* text : {"one", "two", "three", "four"}) l.layout->PutLine(kPlain, text);
        const int top = numbers ? kTop + 24 : kTop; // the number line is 16 high at size 8
        EXPECT_EQ(top, Drawn(l, "one").y);
        const auto& later = Drawn(l, "four");
        EXPECT_EQ(2, later.page);
        EXPECT_EQ(numbers ? top + kLine : kTop, later.y);
        if (!numbers) {
            EXPECT_EQ(4u, l.canvas.texts.size());
            continue;
        }
        const auto& number = Drawn(l, "Mirvane CD Base. Page 2");
        EXPECT_EQ(2, number.page);
        EXPECT_EQ(300 - 23 * 8 / 2, number.x);
        EXPECT_EQ(kTop, number.y);
        EXPECT_EQ(8, number.size);
        EXPECT_EQ(kUnderlined, number.style);
        EXPECT_EQ(kWhite, number.fill);
        EXPECT_EQ(10, later.size);
        EXPECT_EQ(kPlain, later.style);
    }
}

// The number line is black; the text it interrupts goes on in its own colour.
TEST(ReportLayout, TextColourOutlivesThePageNumber) {
    LayoutOptions options;
    options.pageNumbers = true;
    Layout l(100, 100, options);
    l.layout->SetTextColour(0x0000FF);
    l.layout->PutWrapped(kPlain, "aaaaaa bbbbbb");
    EXPECT_EQ(kBlack, Drawn(l, "Mirvane CD Base. Page 2").colour);
    EXPECT_EQ(2, Drawn(l, "bbbbbb").page);
    EXPECT_EQ(0x0000FF, Drawn(l, "bbbbbb").colour);
}

// One band per text line that receives text, from the margin (or the pen when the line does not
// start at the line start) to one unit short of the right edge; unshaded text is drawn on white.
TEST(ReportLayout, BandsShadeEveryTextLineOfAShadedDisc) {
    LayoutOptions options;
    options.bands = true;
    options.bandColour = 0xD8D8D8;
    Layout l(200, 400, options);
    l.layout->SetIndent(-40);
    l.layout->SetBandParity(true);
    l.layout->PutWrapped(kPlain, "aaaa bbbb cccc dddd");
    l.layout->PutLine(kPlain, "");
    l.layout->MoveTo(100);
    l.layout->PutWrapped(kPlain, "eee");
    l.layout->PutLine(kPlain, "");
    l.layout->PutLine(kPlain, ""); // an empty line is shaded too: no white strip in the band
    l.layout->SetBandParity(false);
    l.layout->PutLine(kPlain, "fff");
    l.layout->PutLine(kPlain, ""); // nor is an empty line of an unshaded disc

    const auto bands = l.canvas.Shapes(test::DrawnShape::Rectangle);
    ASSERT_EQ(4u, bands.size());
    const int tops[] = {kTop, kTop + kLine, kTop + 2 * kLine, kTop + 3 * kLine};
    const int lefts[] = {kMargin, kMargin, 100, kMargin};
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(lefts[k], bands[k].x1);
        EXPECT_EQ(tops[k] - 2, bands[k].y1);
        EXPECT_EQ(199, bands[k].x2);
        EXPECT_EQ(tops[k] + kLine - 1, bands[k].y2);
        EXPECT_EQ(0xD8D8D8, bands[k].fill);
        EXPECT_EQ(0xD8D8D8, bands[k].lineColour);
    }
    EXPECT_EQ(0xD8D8D8, Drawn(l, "dddd").fill);
    EXPECT_EQ(kWhite, Drawn(l, "fff").fill);
}

// Two units thick on a coarse printer; on a fine one at least a screen pixel (0.25 pt and more), with
// the next line's band and text background starting below it.
TEST(ReportLayout, SeparatorIsABlackRuleAcrossThePageThatStaysVisible) {
    struct Case {
        int resolution, width, below;
    } cases[] = {{72, 2, 5}, {96, 2, 5}, {300, 3, 7}, {600, 6, 11}, {1200, 13, 22}};
    for (const Case& c : cases) {
        LayoutOptions options;
        options.bands = true;
        Layout l(300, 400, options);
        l.canvas.resolution = c.resolution;
        l.layout->SetBandParity(true);
        l.layout->DrawSeparator();
        l.layout->PutLine(kPlain, "x");
        const auto rules = l.canvas.Shapes(test::DrawnShape::Line);
        ASSERT_EQ(1u, rules.size());
        EXPECT_EQ(kMargin, rules[0].x1);
        EXPECT_EQ(300, rules[0].x2);
        EXPECT_EQ(kTop, rules[0].y1);
        EXPECT_EQ(c.width, rules[0].lineWidth) << c.resolution;
        EXPECT_GE(rules[0].lineWidth * 72 * 4, c.resolution) << "at least 0.25 pt";
        EXPECT_EQ(kBlack, rules[0].lineColour);
        EXPECT_EQ(kTop + c.below, Drawn(l, "x").y) << c.resolution;
        const auto band = l.canvas.Shapes(test::DrawnShape::Rectangle).at(0);
        EXPECT_GE(band.y1 - (kTop + (c.width + 1) / 2), c.resolution / 100) << "a pixel at 100 dpi in between";
    }
}

// A page the printer refuses ends the drawing.
TEST(ReportLayout, RefusedPageStopsTheLayout) {
    Layout l(100, 80);
    l.canvas.refusePage = 2;
    for (const char* text : {"one", "two", "three"}) l.layout->PutLine(kPlain, text);
    EXPECT_TRUE(l.layout->Failed());
    EXPECT_EQ(2u, l.canvas.texts.size());
}

} // namespace
} // namespace mcb

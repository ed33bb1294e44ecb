#include "OutputFixture.h"
#include "RecordingCanvas.h"
#include "output/DiscBlock.h"
#include "support/FakeServices.h"

#include <gtest/gtest.h>

namespace mcb {
namespace {

using Lines = std::vector<std::string>;

constexpr int kLine = 22;
constexpr int kTop = 11;

const TableRow kSolaris = test::Row({"00001", "Солярис   !New!", "Solaris", "Фантастика", "Семейный", "Баниятис",
                                     "Тарковский", "СССР", "Мосфильм", "1972", "167", "DVD"});

struct Printed {
    explicit Printed(const TableRow& row, DiscBlockOptions options = {}, int width = 3000) : canvas(width, 3000) {
        ReportLayout layout(canvas, {});
        layout.Begin();
        DiscBlockPrinter(layout, catalogue.ini(), dates, options).Print(row);
    }
    const test::DrawnText& Drawn(const std::string& text) const {
        for (const auto& t : canvas.texts)
            if (t.text == text) return t;
        throw std::logic_error("not drawn: " + text);
    }
    test::ReportCatalogue catalogue;
    test::FixedDateFormat dates;
    test::RecordingCanvas canvas;
};

// The blocks of the edge cases, line by line, on a page wide enough that nothing wraps.
TEST(DiscBlock, PrintsTheFactsTheStatusAndTheDescription) {
    struct Case {
        const char* name;
        TableRow row;
        Lines lines;
    } cases[] = {
        {"every fact",
         kSolaris,
         {"Солярис - Solaris   !New! , Фантастика, Семейный, производство Мосфильм, СССР, режиссер Тарковский, "
          "1972 г., длит. 167 мин, в главных ролях Баниятис ",
          "Диск в наличииноситель  DVD", "Описание диска : Первая строка", "Вторая"}},
        {"second title only, new", test::Row({"00002", "   !New!", "Чужой"}), {"Чужой   !New! , ", "Диск в наличии"}},
        {"blank second title", test::Row({"00002", "Alien", "  "}), {"Alien, ", "Диск в наличии"}},
        {"no title at all", test::Row({"00002"}), {", ", "Диск в наличии"}},
        {"blank company and country",
         test::Row({"00002", "A", "", "", "", "", "", " ", " "}),
         {"A,  ,  , ", "Диск в наличии"}},
        {"lent foreign disc",
         test::Row({"00002", "Alien"}, "0", "45000", "1"),
         {"Alien, ", "Чужой диск. Хозяин Пётр. Диск отдан в долг D45000. Должник : Иван."}},
        {"debtor deleted since",
         test::Row({"00002", "Alien"}, "7", "x"),
         {"Alien, ", "Диск отдан в долг D0. Должник : ."}},
    };
    for (const Case& c : cases) {
        const Printed printed(c.row);
        EXPECT_EQ(c.lines, printed.canvas.Lines()) << c.name;
    }
}

TEST(DiscBlock, StylesOfTheTitleLine) {
    const Printed printed(kSolaris);
    EXPECT_EQ(kBoldUnderlined, printed.Drawn("Солярис").style);
    EXPECT_EQ(kPlain, printed.Drawn("- ").style);
    EXPECT_EQ(kBoldUnderlined, printed.Drawn("Solaris").style);
    EXPECT_EQ(kBoldItalic, printed.Drawn("!New! ").style);
    EXPECT_EQ(kItalic, printed.Drawn("производство ").style);
    EXPECT_EQ(kBold, printed.Drawn("DVD").style);
}

// The following lines of a disc start four blanks right of the margin; description lines under the
// text after "    Описание диска : ".
TEST(DiscBlock, IndentsWrappedFactsAndDescriptionLines) {
    const Printed narrow(kSolaris, {}, 400);
    const auto& texts = narrow.canvas.texts;
    EXPECT_EQ(20, texts.front().x);
    const auto second = std::find_if(texts.begin(), texts.end(), [](auto& t) { return t.y == kTop + kLine; });
    ASSERT_NE(second, texts.end());
    EXPECT_EQ(20 + 40, second->x);
    EXPECT_EQ(20 + 210, narrow.Drawn("Вторая").x);
}

// The medium stands at the right end of the status line, or on a line of its own (after a blank)
// when it does not fit there.
TEST(DiscBlock, MediumRightAlignedOrOnItsOwnLine) {
    const int mediumWidth = 14 * 12; // "носитель  DVDW" in bold italic
    const TableRow row = test::Row({"00002", "A", "", "", "", "", "", "", "", "", "", "DVD"});
    struct Case {
        int width;
        int line; // of the medium; "Диск в наличии" ends at 200
    } cases[] = {{368, 1}, {367, 2}};
    for (const Case& c : cases) {
        const Printed printed(row, {}, c.width);
        const auto& medium = printed.Drawn("носитель ");
        EXPECT_EQ(c.width - mediumWidth, medium.x) << c.width;
        EXPECT_EQ(kTop + c.line * kLine, medium.y) << c.width;
        EXPECT_EQ(kItalic, medium.style);
        EXPECT_EQ(medium.y, printed.Drawn("DVD").y);
    }
}

TEST(DiscBlock, DescriptionOnlyWhenChosenAndPresent) {
    DiscBlockOptions off;
    off.description = false;
    EXPECT_EQ(2u, Printed(kSolaris, off).canvas.Lines().size());
    TableRow noLines = kSolaris;
    noLines.cells[0] = "00002";
    EXPECT_EQ(2u, Printed(noLines).canvas.Lines().size());
}

// Lin declares the lines; those without a key are empty lines of their own.
TEST(DiscBlock, EveryDeclaredDescriptionLineTakesItsLine) {
    TableRow row = kSolaris;
    row.cells[0] = "00009";
    const Printed printed(row);
    const auto rules = printed.canvas.Shapes(test::DrawnShape::Line);
    ASSERT_EQ(1u, rules.size());
    EXPECT_EQ(printed.Drawn("Одна").y + 3 * kLine, rules[0].y1);
}

// The rule follows the description lines when chosen.
TEST(DiscBlock, SeparatorAfterTheDescription) {
    for (bool separator : {true, false}) {
        DiscBlockOptions options;
        options.separator = separator;
        const Printed printed(kSolaris, options);
        const auto rules = printed.canvas.Shapes(test::DrawnShape::Line);
        ASSERT_EQ(separator ? 1u : 0u, rules.size());
        if (separator) {
            EXPECT_EQ(printed.Drawn("Вторая").y + kLine, rules[0].y1);
        }
    }
}

// The new-disc mark and the lending sentence take their colours only when switched on; everything
// after them is black again.
TEST(DiscBlock, ColoursOfTheMarkAndTheLoan) {
    const TableRow lent = test::Row({"00002", "Alien   !New!"}, "0", "45000", "1");
    for (bool colours : {true, false}) {
        DiscBlockOptions options;
        options.newColour = options.infoColour = colours;
        options.newColourValue = 0x00FF00;
        options.infoColourValue = 0x003FFF;
        const Printed printed(lent, options);
        EXPECT_EQ(colours ? 0x00FF00 : kBlack, printed.Drawn("!New! ").colour);
        EXPECT_EQ(kBlack, printed.Drawn(", ").colour);
        EXPECT_EQ(kBlack, printed.Drawn("Хозяин ").colour);
        EXPECT_EQ(colours ? 0x003FFF : kBlack, printed.Drawn("Должник ").colour);
    }
}

TEST(DiscBlock, ColourSwitchesCountOnlyWithColourPrinting) {
    PrinterSettings printer;
    printer.NewColor = 0x7F00FF00;
    EXPECT_FALSE(DiscBlockOptionsOf(printer).newColour);
    EXPECT_FALSE(DiscBlockOptionsOf(printer).infoColour);
    printer.EnabledColorPrint = true;
    printer.EnabledInfoColor = false;
    EXPECT_TRUE(DiscBlockOptionsOf(printer).newColour);
    EXPECT_FALSE(DiscBlockOptionsOf(printer).infoColour);
    EXPECT_EQ(0x00FF00, DiscBlockOptionsOf(printer).newColourValue);
}

TEST(DiscSheet, PrintsTheFilledFieldsUnderTheirCaptions) {
    const test::ReportCatalogue catalogue;
    std::array<std::string, kColumnCount> captions;
    for (int c = 0; c < kColumnCount; ++c) captions[c] = W("К") + std::to_string(c);
    TableRow row = kSolaris;
    row.cells[4] = "  ";
    test::RecordingCanvas canvas(3000, 3000);
    ReportLayout layout(canvas, {});
    layout.Begin();
    PrintDiscSheet(layout, row, captions, catalogue.ini());
    const Lines expected{"К1 : Солярис   !New!",
                         "К2 : Solaris",
                         " ",
                         "К3 : Фантастика",
                         "К5 : Баниятис",
                         "К6 : Тарковский",
                         "К7 : СССР",
                         "К8 : Мосфильм",
                         "К9 : 1972",
                         "К10 : 167 мин",
                         "Первая строка",
                         "Вторая"};
    EXPECT_EQ(expected, canvas.Lines());
    const auto first =
        std::find_if(canvas.texts.begin(), canvas.texts.end(), [](auto& t) { return t.text == "Первая "; });
    ASSERT_NE(first, canvas.texts.end());
    EXPECT_EQ(kTop + 11 * kLine, first->y); // one empty line before the description
    for (const auto& text : canvas.texts) EXPECT_EQ(kBlack, text.colour);
}

} // namespace
} // namespace mcb

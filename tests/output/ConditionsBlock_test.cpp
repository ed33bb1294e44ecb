#include "OutputFixture.h"
#include "RecordingCanvas.h"
#include "output/ConditionsBlock.h"

#include <gtest/gtest.h>

namespace mcb {
namespace {

using Lines = std::vector<std::string>;

FilterCriteria Filter(void (*change)(FilterCriteria&)) {
    FilterCriteria filter;
    change(filter);
    return filter;
}

// The opening sentences and the clauses for the filter as the user set it; a page wide enough that
// nothing wraps.
TEST(ConditionsBlock, SaysWhichDiscsAreShown) {
    struct Case {
        const char* name;
        FilterCriteria filter;
        Lines lines;
        const char* searchWords = ""; // of the window's quick search
    } cases[] = {
        {"everything", FilterCriteria{}, {"Показаны все диски"}},
        {"own in stock",
         Filter([](FilterCriteria& f) { f.Otdacha = false, f.hozi = 1; }),
         {"Показаны свои диски в наличии"}},
        {"all own", Filter([](FilterCriteria& f) { f.hozi = 1; }), {"Показаны все свои диски"}},
        {"foreign, chosen debtors",
         Filter([](FilterCriteria& f) { f.hozi = 2, f.OtdaList = "0 1"; }),
         {"Показаны чужие  диски в наличии и диски у следующих должников :", "Иван; Пётр"}},
        {"chosen debtors only",
         Filter([](FilterCriteria& f) { f.Nalichie = false, f.OtdaList = "1"; }),
         {"Показаны диски у следующих должников :", "Пётр"}},
        {"all lent", Filter([](FilterCriteria& f) { f.Nalichie = false; }), {"Показаны все диски у должников"}},
        {"substring title",
         Filter([](FilterCriteria& f) { f.Nazva = W(" Сол "); }),
         {"Показаны все диски", "c названием, содержащим строку \" Сол \""}},
        {"whole title",
         Filter([](FilterCriteria& f) { f.Nazva = W("Солярис"), f.SubNazva = false; }),
         {"Показаны все диски", "с названием \"Солярис\""}},
        {"blank title", Filter([](FilterCriteria& f) { f.Nazva = "   "; }), {"Показаны все диски"}},
        {"lists",
         Filter([](FilterCriteria& f) { f.Genree = "0 1", f.Company = "0", f.CountList = "0"; }),
         {"Показаны все диски", "по следующим жанрам :", "Драма; Комедия",
          "производства следующих компаний :", "Мосфильм", "c продукцией следующих стран :", "СССР"}},
        {"audiences 0 and 2",
         Filter([](FilterCriteria& f) {
             f.Au = {true, false, true, false};
         }),
         {"Показаны все диски", "для детской, семейной аудиторий"}},
        {"audience 3",
         Filter([](FilterCriteria& f) {
             f.Au = {false, false, false, true};
         }),
         {"Показаны все диски", "для взрослой аудитории"}},
        {"search words", FilterCriteria{}, {"Показаны все диски", "содержащие слова \"Нео трин\""}, "Нео трин"},
        {"search words after the title",
         Filter([](FilterCriteria& f) { f.Nalichie = false, f.Nazva = W("Мат"); }),
         {"Показаны все диски у должников", "c названием, содержащим строку \"Мат\"", "содержащие слова \"нео\""},
         "нео"},
    };
    const test::ReportCatalogue catalogue;
    for (const Case& c : cases) {
        test::RecordingCanvas canvas(3000, 3000);
        ReportLayout layout(canvas, {});
        layout.Begin();
        PrintConditions(layout, c.filter, catalogue.ini(), W(c.searchWords));
        Lines expected{"Условия отбора"};
        expected.insert(expected.end(), c.lines.begin(), c.lines.end());
        EXPECT_EQ(expected, canvas.Lines()) << c.name;
        EXPECT_EQ(kBoldUnderlined, canvas.texts.front().style) << c.name;
    }
}

// Names stand on lines of their own, indented under the word that introduces them; the block goes
// on at the indent of "Показаны ".
TEST(ConditionsBlock, IndentsTheChosenNames) {
    struct Case {
        void (*change)(FilterCriteria&);
        const char* names;
        int indent; // characters of the introducing text, 10 units each
    } cases[] = {
        {[](FilterCriteria& f) { f.OtdaList = "0"; }, "Иван", 16},
        {[](FilterCriteria& f) { f.Genree = "1"; }, "Комедия", 11},
        {[](FilterCriteria& f) { f.Company = "0"; }, "Мосфильм", 13},
        {[](FilterCriteria& f) { f.CountList = "0"; }, "СССР", 11},
    };
    const test::ReportCatalogue catalogue;
    for (const Case& c : cases) {
        test::RecordingCanvas canvas(3000, 3000);
        ReportLayout layout(canvas, {});
        layout.Begin();
        FilterCriteria filter = Filter(c.change);
        filter.Au[0] = false;
        PrintConditions(layout, filter, catalogue.ini());
        const auto& texts = canvas.texts;
        const auto names = std::find_if(texts.begin(), texts.end(), [&](auto& t) { return t.text == c.names; });
        ASSERT_NE(names, texts.end()) << c.names;
        EXPECT_EQ(20 + 10 * c.indent, names->x) << c.names;
        EXPECT_EQ(kItalic, names->style) << c.names;
        const auto audience = std::find_if(texts.begin(), texts.end(), [](auto& t) { return t.text == "для "; });
        ASSERT_NE(audience, texts.end());
        EXPECT_EQ(20 + 90, audience->x) << c.names;
    }
}

} // namespace
} // namespace mcb

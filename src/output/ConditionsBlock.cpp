#include "output/ConditionsBlock.h"

#include "lists/DictSelection.h"
#include "storage/Cp1251.h"
#include "storage/Literal.h"

#include <vector>

namespace mcb {

namespace {

struct Conditions {
    ReportLayout& layout;
    const FilterCriteria& filter;
    const TIniFile& catalogue;

    int Width(const char* utf8) { return layout.Width(W(utf8)); }
    void Wrapped(FontStyle style, const char* utf8) { layout.PutWrapped(style, W(utf8)); }
    void Line(FontStyle style, const char* utf8) { layout.PutLine(style, W(utf8)); }

    // The heading line, then the chosen names on lines of their own, indented by `indentText`.
    void ChosenNames(const char* heading, const char* indentText, DictKind kind, const std::string& selection) {
        Line(kPlain, heading);
        layout.SetIndent(Width(indentText));
        layout.PutLine(kItalic, ListSelectionText(catalogue, kind, selection, /*truncate=*/0));
        layout.SetIndent(Width("Показаны "));
    }

    void Owner() {
        if (filter.hozi == 1) Wrapped(kPlain, "свои ");
        if (filter.hozi == 2) Wrapped(kPlain, "чужие ");
    }

    void Availability() {
        const bool in = filter.Nalichie, out = filter.Otdacha, chosen = !SelectsAll(filter.OtdaList);
        if (filter.hozi != 0 && (!(in && out) || chosen)) Owner();
        if (out && chosen) {
            if (in) Wrapped(kPlain, " диски в наличии и ");
            ChosenNames("диски у следующих должников :", "Показаны диски у", DictKind::Contacts, filter.OtdaList);
        }
        if (in && out && !chosen) {
            Wrapped(kPlain, "все ");
            Owner();
            Line(kPlain, "диски");
        }
        if (in && !out) Line(kPlain, "диски в наличии");
        if (out && !in && !chosen) Line(kPlain, "все диски у должников");
    }

    // The first text begins with a Latin c, the second with a Cyrillic one.
    void Title() {
        if (TrimBlanks(filter.Nazva).empty()) return;
        Wrapped(kPlain, filter.SubNazva ? "c названием, содержащим строку \"" : "с названием \"");
        layout.PutWrapped(kItalic, filter.Nazva);
        layout.PutLine(kPlain, "\"");
    }

    void Search(std::string_view words) {
        if (words.empty()) return;
        Wrapped(kPlain, "содержащие слова \"");
        layout.PutWrapped(kItalic, words);
        layout.PutLine(kPlain, "\"");
    }

    void Lists() {
        if (!SelectsAll(filter.Genree))
            ChosenNames("по следующим жанрам :", "Показаны по", DictKind::Genres, filter.Genree);
        if (!SelectsAll(filter.Company))
            ChosenNames("производства следующих компаний :", "производства ", DictKind::Companies, filter.Company);
        if (!SelectsAll(filter.CountList))
            ChosenNames("c продукцией следующих стран :", "Показаны c ", DictKind::Countries, filter.CountList);
    }

    void Audience() {
        static const char* const kWords[] = {"детской", "детской/семейной", "семейной", "взрослой"};
        if (filter.Au[0] && filter.Au[1] && filter.Au[2] && filter.Au[3]) return;
        Wrapped(kPlain, "для ");
        int printed = 0;
        for (int k = 0; k < 4; ++k) {
            if (!filter.Au[k]) continue;
            if (printed++) Wrapped(kPlain, ", ");
            Wrapped(kItalic, kWords[k]);
        }
        Wrapped(kPlain, " аудитори");
        Line(kPlain, printed >= 2 ? "й" : "и");
    }
};

} // namespace

void PrintConditions(ReportLayout& layout, const FilterCriteria& filter, const TIniFile& catalogue,
                     std::string_view searchWords) {
    Conditions block{layout, filter, catalogue};
    block.Line(kBoldUnderlined, "Условия отбора");
    block.Wrapped(kPlain, "Показаны ");
    layout.SetIndent(block.Width("Показаны "));
    block.Availability();
    block.Title();
    block.Search(searchWords);
    block.Lists();
    block.Audience();
}

} // namespace mcb

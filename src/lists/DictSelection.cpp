#include "lists/DictSelection.h"

#include "lists/KindInfo.h"
#include "storage/Cp1251.h"
#include "storage/Literal.h"
#include "storage/MyIniFiles.h"

#include <algorithm>

namespace mcb {

bool SelectsAll(const std::string& selection) {
    const std::string_view trimmed = TrimRightBlanks(selection);
    return trimmed.empty() || trimmed == "-1";
}

std::vector<std::string> SplitAtBlanks(const std::string& text) {
    std::vector<std::string> pieces;
    std::size_t start = 0;
    for (;;) {
        const std::size_t blank = text.find(' ', start);
        pieces.push_back(text.substr(start, blank - start));
        if (blank == std::string::npos) return pieces;
        start = blank + 1;
    }
}

std::string JoinWithBlanks(const std::vector<std::string>& pieces) {
    std::string text;
    for (const std::string& piece : pieces) {
        if (&piece != &pieces.front()) text += ' ';
        text += piece;
    }
    return text;
}

std::string KeepShownEntries(const std::string& selection, const std::vector<DictRow>& rows) {
    if (SelectsAll(selection)) return selection;
    std::vector<std::string> kept;
    for (std::string& piece : SplitAtBlanks(std::string(TrimRightBlanks(selection)))) {
        const bool shown =
            std::any_of(rows.begin(), rows.end(), [&piece](const DictRow& row) { return row.IndexText() == piece; });
        if (shown) kept.push_back(std::move(piece));
    }
    return JoinWithBlanks(kept);
}

std::string ToggleEntry(const std::string& selection, const std::string& index) {
    if (SelectsAll(selection)) return index;
    const std::string trimmed(TrimRightBlanks(selection));
    std::vector<std::string> pieces = SplitAtBlanks(trimmed);
    const auto removed = std::erase(pieces, index);
    return removed == 0 ? trimmed + " " + index : JoinWithBlanks(pieces);
}

std::string ListSelectionText(const TIniFile& catalogue, DictKind kind, const std::string& selection, int truncate) {
    const KindInfo& info = Info(kind);
    if (selection.empty() || selection == "-1") return W("[ Все ") + info.plural + " ]";
    std::string text;
    bool first = true;
    for (const std::string& piece : SplitAtBlanks(std::string(TrimRightBlanks(selection)))) {
        std::string name = catalogue.ReadString(info.section, piece, "");
        if (truncate > 0 && name.size() > std::size_t(truncate)) name.resize(std::size_t(truncate));
        if (!first) text += "; ";
        text += name;
        first = false;
    }
    return text;
}

} // namespace mcb

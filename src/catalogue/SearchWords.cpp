#include "catalogue/SearchWords.h"

#include "storage/Cp1251.h"

#include <algorithm>
#include <array>

namespace mcb {

namespace {

constexpr char kFieldEnd = '\n'; // a control character: never part of a word
constexpr unsigned char kCapitalYo = 0xA8, kCapitalIe = 0xC5;

std::array<char, 256> BuildFoldTable() {
    std::array<char, 256> table = UpperTable();
    for (char& c : table)
        if (static_cast<unsigned char>(c) == kCapitalYo) c = static_cast<char>(kCapitalIe);
    return table;
}

const std::array<char, 256>& FoldTable() {
    static const std::array<char, 256> table = BuildFoldTable();
    return table;
}

std::string Folded(std::string_view text) {
    const auto& fold = FoldTable();
    std::string result(text.size(), '\0');
    std::transform(text.begin(), text.end(), result.begin(),
                   [&fold](char c) { return fold[static_cast<unsigned char>(c)]; });
    return result;
}

bool Parts(char c) {
    return static_cast<unsigned char>(c) <= 32;
}

std::vector<std::string_view> SplitWords(std::string_view typed) {
    std::vector<std::string_view> words;
    for (auto it = typed.begin(); it != typed.end();) {
        it = std::find_if_not(it, typed.end(), Parts);
        const auto end = std::find_if(it, typed.end(), Parts);
        if (it != end) words.emplace_back(it, end);
        it = end;
    }
    return words;
}

bool Holds(std::string_view text, std::string_view word) {
    return text.find(word) != std::string_view::npos;
}

} // namespace

void AppendSearchText(std::string& searched, std::string_view field) {
    const auto& fold = FoldTable();
    for (char c : field) searched += fold[static_cast<unsigned char>(c)];
    searched += kFieldEnd;
}

SearchWords::SearchWords(std::string_view typed) {
    for (std::string_view word : SplitWords(typed)) {
        shown_.append(shown_.empty() ? "" : " ").append(word);
        folded_.push_back(Folded(word));
    }
    std::sort(folded_.begin(), folded_.end(), [](const std::string& a, const std::string& b) {
        return a.size() != b.size() ? a.size() > b.size() : a < b;
    });
    std::vector<std::string> kept;
    for (std::string& word : folded_)
        if (std::none_of(kept.begin(), kept.end(), [&word](const std::string& k) { return Holds(k, word); }))
            kept.push_back(std::move(word));
    folded_ = std::move(kept);
}

bool SearchWords::FoundIn(std::string_view searched) const {
    return std::all_of(folded_.begin(), folded_.end(), [searched](const std::string& w) { return Holds(searched, w); });
}

bool SearchWords::Narrows(const SearchWords& wider) const {
    return std::all_of(wider.folded_.begin(), wider.folded_.end(), [this](const std::string& w) {
        return std::any_of(folded_.begin(), folded_.end(), [&w](const std::string& mine) { return Holds(mine, w); });
    });
}

} // namespace mcb

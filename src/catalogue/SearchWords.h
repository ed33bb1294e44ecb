// The words of the quick search and the folded texts of a disc they are looked for in. Both sides
// are folded alike, upper-cased with the program's mapping and Ё taken as Е, so that a word is found
// whatever its letter case and whichever of the two letters was typed or stored.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace mcb {

// Appends the folded form of one field to a disc's searched text, closed by a byte that no word
// holds, so that no word is found across two fields or two description lines.
void AppendSearchText(std::string& searched, std::string_view field);

class SearchWords {
public:
    SearchWords() = default;
    // Words are parted by blanks and control characters; a word held in another one is dropped,
    // since the longer one finding a text finds it too.
    explicit SearchWords(std::string_view typed);

    bool empty() const { return folded_.empty(); }
    // The words as typed, parted by one blank: for the report.
    const std::string& shown() const { return shown_; }
    // Every word is in the searched text of one disc (made by AppendSearchText).
    bool FoundIn(std::string_view searched) const;
    // Every text these words are found in holds the `wider` words too, so that only the discs found
    // for those need looking at.
    bool Narrows(const SearchWords& wider) const;
    bool operator==(const SearchWords& other) const { return folded_ == other.folded_; }

private:
    std::vector<std::string> folded_; // longest first: the rarest, so that most texts fail at once
    std::string shown_;
};

} // namespace mcb

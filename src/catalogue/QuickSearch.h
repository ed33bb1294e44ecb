// The quick search of the catalogue window: the words typed into its search field and the discs
// holding all of them. The texts searched are read once, at the first search (or ahead of it), and
// then follow the catalogue's changes; a word typed on narrows the discs already found. The text is
// the window's alone: it is not kept in the settings.
#pragma once

#include "catalogue/SearchIndex.h"
#include "catalogue/SearchWords.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace mcb {

class TIniFile;

class QuickSearch {
public:
    // `typed` in Windows-1251; `findsNothing` when it held characters the code page cannot, which
    // no stored text holds either.
    void SetText(const std::string& typed, bool findsNothing = false);
    const SearchWords& words() const { return words_; }
    bool active() const { return !words_.empty() || findsNothing_; }

    // Reads the catalogue's texts ahead of the first word, so that typing it waits for nothing.
    void Prepare(const TIniFile& catalogue);
    // The numbers of the discs found, ascending; nothing while no word is typed.
    const std::vector<uint32_t>* Found(const TIniFile& catalogue);

private:
    SearchWords words_;
    bool findsNothing_ = false;
    std::optional<SearchIndex> index_;
    std::optional<SearchWords> foundFor_; // the words found_ holds the discs of, while up to date
    std::vector<uint32_t> found_;
};

} // namespace mcb

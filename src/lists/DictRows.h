// The entries of a reference list as the window shows them: read from the catalogue and sorted
// alphabetically by name.
#pragma once

#include "lists/DictTypes.h"

#include <string>
#include <vector>

namespace mcb {

class TIniFile;
struct KindInfo;

// Marks a missing entry: an entry whose stored name is exactly this text is never shown.
inline constexpr const char* kMissingEntry = "--Empty--";

struct DictRow {
    int index = -1;
    std::string name;
    std::string mail;  // contacts only
    std::string phone; // contacts only

    std::string IndexText() const { return std::to_string(index); }
};

// The highest index ever given in the list, "Common"/<section>; -1 when none was (a hand-edited
// value below -1 counts as -1, so that new entries still get visible indices).
int LastIndex(const TIniFile& catalogue, const std::string& section);

// The indices from 0 to the counter "Common"/<section> that have a name key, ascending. Only keys
// that exist are visited, so a counter edited up to a huge value costs nothing.
std::vector<int> ExistingIndices(const TIniFile& catalogue, const std::string& section);

// The list's entries in index order, as reading every index from 0 to the counter with the default
// "--Empty--" finds them; contacts with their e-mail and telephone.
std::vector<DictRow> ReadEntries(const TIniFile& catalogue, const KindInfo& kind);

// Exchange sort by name, alphabetically (CompareSorted): for each row r and each later row p, r and p
// change places when r's name comes after. Equal names end up in the order this procedure gives them.
void SortRows(std::vector<DictRow>& rows);

// The rows the window shows: ReadEntries, sorted.
std::vector<DictRow> LoadRows(const TIniFile& catalogue, DictKind kind);

} // namespace mcb

// Selections of reference-list entries: indices separated by single blanks in the order they were
// picked; "" or "-1" means all entries.
#pragma once

#include "lists/DictRows.h"
#include "lists/DictTypes.h"

#include <string>
#include <vector>

namespace mcb {

class TIniFile;

// True for "" and "-1" once trailing blanks are removed: no restriction.
bool SelectsAll(const std::string& selection);

// Pieces of a selection between single blanks; two blanks in a row give an empty piece.
std::vector<std::string> SplitAtBlanks(const std::string& text);
std::string JoinWithBlanks(const std::vector<std::string>& pieces);

// The selection without the pieces that name no row (entries deleted since), in their order.
std::string KeepShownEntries(const std::string& selection, const std::vector<DictRow>& rows);

// Adds the index when it is not selected, removes every occurrence of it when it is.
std::string ToggleEntry(const std::string& selection, const std::string& index);

// "[ Все <plural> ]" for a selection of all entries; otherwise the names of the selected entries
// joined by "; ", each cut to `truncate` characters when that is above 0. A deleted entry gives an
// empty name.
std::string ListSelectionText(const TIniFile& catalogue, DictKind kind, const std::string& selection, int truncate);

} // namespace mcb

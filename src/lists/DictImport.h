// Import of a reference list from another catalogue file.
#pragma once

#include "lists/DictRows.h"
#include "lists/DictTypes.h"

#include <string>
#include <vector>

namespace mcb {

class TIniFile;

struct ImportCounts {
    int found = 0;
    int imported = 0;
};

// Appends to the catalogue's list every entry of the source's list whose name (ignoring case) is
// not among the entries shown before the import; names, e-mail and telephone are copied exactly as
// stored. Each gets a new index; the counter is written and the catalogue saved. A source without
// the list imports nothing and clears the selection. The source is only read.
ImportCounts ImportEntries(TIniFile& catalogue, const TIniFile& source, DictKind kind,
                           const std::vector<DictRow>& shown, std::string& selection);

// "Найдено записей : N. Импортировано записей : M." (Windows-1251).
std::string ImportReport(const ImportCounts& counts);

} // namespace mcb

// Bringing discs in from a spreadsheet: the first filled row names the columns, every further row
// is a disc. The plan turns the cells into disc records and new list entries, and names each cell
// it cannot take; applying it writes everything in one crash-safe save.
#pragma once

#include "discs/DiscRecord.h"
#include "discs/Journal.h"
#include "output/ImportFields.h"
#include "output/SheetRows.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace mcb {

class TIniFile;

// A cell the import leaves out, or a whole row (column 0).
struct SkippedCell {
    std::size_t row = 0;    // as the file counts rows
    std::size_t column = 0; // from 1
    std::string reason;     // Windows-1251
    std::string characters; // UTF-8: those Windows-1251 cannot hold, when that is the reason
};

// A name the reference list does not know yet, added as the list editor adds it.
struct NewListEntry {
    std::string section; // "Genres", "Countries", "Company" or "Contacts"
    int index = 0;
    std::string name;
};

struct ImportPlan {
    std::vector<DiscRecord> discs;
    std::vector<NewListEntry> entries;
    std::vector<SkippedCell> skipped;
};

// Called with the rows or discs done and in all; false stops the work.
using ImportProgress = std::function<bool(std::size_t done, std::size_t total)>;

struct ImportSource {
    const std::vector<SheetRow>& rows; // the heading row first
    const std::vector<ImportField>& mapping;
    const TableLayout& layout; // the media names
};

// Texts are made storable: line breaks and other control characters become blanks (the description
// keeps its lines), blanks around are trimmed, the titles and new list names get a capital first
// letter as the editors give them, and the new-disc mark of an exported title is dropped. A row
// without either title is skipped, unless all it holds is description lines: those continue the
// description of the disc above, as the export lays lines down the column. Nothing when stopped.
std::optional<ImportPlan> PlanImport(const TIniFile& catalogue, const ImportSource& source,
                                     const ImportProgress& progress = {});

struct ImportTarget {
    std::string baseDir; // the catalogue's folder with its trailing "/"
    int today = 0;       // the day the discs are entered
    const JournalContext& journal;
};

enum class ImportResult { Done, Failed, Cancelled, NoIdentifiers };

// Adds the plan's list entries and discs (identifiers LastCDID + 1 ...) and saves the catalogue once;
// then writes one journal line per disc when added discs are journaled. Anything but Done leaves the
// catalogue as it was, in memory and on disk (Failed: the save failed and was reported).
ImportResult ApplyImport(TIniFile& catalogue, const ImportPlan& plan, const ImportTarget& target,
                         const ImportProgress& progress = {});

// "строка R, колонка C: reason" or "строка R: reason", UTF-8 for the screen and the command line.
std::string SkippedText(const SkippedCell& cell);

} // namespace mcb

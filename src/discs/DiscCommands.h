// The main window's commands on the disc in the current table row: delete, lend and return. They
// decide from the row's copies of the lending values, ask and refuse with fixed texts, change the
// disc's section, save the catalogue file and write the journal line.
#pragma once

#include "catalogue/TableTypes.h"
#include "discs/Journal.h"
#include "lists/DictTypes.h"
#include "platform/Services.h"

namespace mcb {

class TIniFile;

struct DiscCommandContext {
    TIniFile& catalogue;
    Prompts& prompts;
    ListPicker& picker;
    const JournalContext& journal; // its clock gives the day of lending
    const DateFormat& dateFormat;  // dates in the messages
};

// Each returns true when the catalogue was changed and saved, so that the table must be rebuilt. A
// change that cannot be saved is reported and undone. A row without an identifier (the one row of
// an empty table) does nothing.
bool DeleteDisc(const TableRow& row, const DiscCommandContext& context);
bool LendDisc(const TableRow& row, const DiscCommandContext& context);
bool ReturnDisc(const TableRow& row, const DiscCommandContext& context);

} // namespace mcb

// The main window's commands on a disc given by its identifier: delete, lend and return. They decide
// from the copies of the lending values in the disc's table row, ask and refuse with fixed texts,
// change the disc's section, save the catalogue file and write the journal line.
#pragma once

#include "catalogue/TableTypes.h"
#include "discs/Journal.h"
#include "lists/DictTypes.h"
#include "platform/Services.h"

namespace mcb {

class TIniFile;

struct DiscCommandContext {
    const CatalogueTable& table; // the rows as last built
    TIniFile& catalogue;
    Prompts& prompts;
    ListPicker& picker;
    const JournalContext& journal; // its clock gives the day of lending
    const DateFormat& dateFormat;  // dates in the messages
};

// Each returns true when the catalogue was changed and saved, so that the table must be rebuilt. A
// change that cannot be saved is reported and undone. An identifier that no row of the table shows
// (an empty one, from the one row of an empty table) does nothing.
bool DeleteDisc(const std::string& discId, const DiscCommandContext& context);
bool LendDisc(const std::string& discId, const DiscCommandContext& context);
bool ReturnDisc(const std::string& discId, const DiscCommandContext& context);

} // namespace mcb

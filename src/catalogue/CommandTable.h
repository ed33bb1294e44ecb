// What the commands without a display work from: the catalogue opened for reading, the settings, the
// table layout and the table built as the window builds it at start-up.
#pragma once

#include "catalogue/ListCommand.h"
#include "catalogue/TableTypes.h"
#include "storage/Layout.h"
#include "storage/MyIniFiles.h"
#include "storage/Settings.h"

#include <iosfwd>
#include <memory>
#include <optional>

namespace mcb {

struct CommandTable {
    std::unique_ptr<const TIniFile> catalogue;
    Settings settings;
    TableLayout layout;
    CatalogueTable table;
};

// Filter and sort order come from the settings file in the settings directory; nothing is written.
// A catalogue file that does not exist gives an empty catalogue, with a note on `err`; one that
// exists but cannot be read whole (a size that changed while it was read included) or is not a
// catalogue gives nothing, with a message naming it on `err`.
std::optional<CommandTable> LoadCommandTable(const ListRequest& request, std::ostream& err);
// The same without the table, for a command that reads the rows as it goes.
std::optional<CommandTable> LoadCommandInputs(const ListRequest& request, std::ostream& err);

} // namespace mcb

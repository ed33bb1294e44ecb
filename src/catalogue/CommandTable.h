// The catalogue table that the commands without a display work from, built as the window builds it
// at start-up: filter, sort order and options from the settings file, headings from the layout file.
#pragma once

#include "catalogue/TableTypes.h"
#include "storage/Layout.h"
#include "storage/MyIniFiles.h"
#include "storage/Settings.h"

#include <array>
#include <memory>
#include <string>

namespace mcb {

struct CommandTableRequest {
    std::string cataloguePath; // native path of the catalogue file
    std::string layoutPath;    // native path of "fields.ini" beside the executable
    int today = 0;             // day number, for the new-disc marks
};

enum class CatalogueFileState { Missing, Readable, Unreadable };

// A name without a directory means the current directory here, not the settings directory.
CatalogueFileState CatalogueFileStateOf(const std::string& cataloguePath);

struct CommandTable {
    std::unique_ptr<const TIniFile> catalogue; // open for reading only: nothing is written back
    TableLayout layout;
    Settings settings;
    CatalogueTable table;

    // The heading row as the window shows it, the sort column marked.
    std::array<std::string, kColumnCount> Headings() const;
};

// A missing catalogue file gives an empty catalogue.
CommandTable LoadCommandTable(const CommandTableRequest& request);

} // namespace mcb

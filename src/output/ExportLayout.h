// The spreadsheet export of the catalogue table: one sheet row per shown disc with its twelve
// cells, optionally the availability text and the description lines in one of three layouts.
#pragma once

#include "catalogue/TableTypes.h"

#include <array>
#include <cstddef>
#include <functional>
#include <string>

namespace mcb {

class DateFormat;
class Spreadsheet;
class TIniFile;

enum class DescriptionLayout {
    Horizontal, // one cell per line, along the row
    Vertical,   // one cell per line, down the column, then an empty row
    SingleCell, // all lines in one cell, each followed by a blank
    None,
};

// The options of the export window, as it starts.
struct ExportOptions {
    bool header = true;
    bool availability = false;
    DescriptionLayout description = DescriptionLayout::None;
};

struct ExportSource {
    const std::array<std::string, kColumnCount>& headings; // the column names, without the sort mark
    const CatalogueTable& table;
    const TIniFile& catalogue; // contact names and description lines
    const DateFormat& dates;
};

// Called after each disc with the discs done and the discs in all; false stops the export.
using ExportProgress = std::function<bool(std::size_t done, std::size_t total)>;

enum class ExportResult { Done, Failed, Cancelled };

// True when the table shows no disc: the export command then says "Нет данных для экспорта".
bool NothingToExport(const CatalogueTable& table);

// Puts the cells row by row, never returning to an earlier row. Stops at the first cell the sheet
// refuses (Failed) or when the progress says so (Cancelled); what was put stays put.
ExportResult ExportTable(const ExportSource& source, const ExportOptions& options, Spreadsheet& sheet,
                         const ExportProgress& progress = {});

} // namespace mcb

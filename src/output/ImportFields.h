// The disc fields a column of an imported spreadsheet can fill, and the choice the import proposes for
// each column from its heading.
#pragma once

#include "output/SheetRows.h"
#include "storage/Layout.h"

#include <string>
#include <vector>

namespace mcb {

// Title .. Carrier are in the order of the table's columns 1 .. 11.
enum class ImportField {
    None,
    Title,
    Title2,
    Genre,
    Audience,
    Actors,
    Director,
    Country,
    Company,
    Year,
    Length,
    Carrier,
    Description,
    Owner,
};

constexpr int kImportFieldCount = 14;

// The field's name in the choice list, Windows-1251: the table's heading for the table's fields.
std::string FieldCaption(ImportField field, const TableLayout& layout);

// The field for each heading (UTF-8, as read): the headings of the table as `layout` and the
// built-in layout name them (the sort mark "#  " ignored), the export's "Описание диска" and the
// captions of the choice list, letter case ignored. Columns without a heading right after a
// description column continue the description, as the export lays lines along the row. Every other
// column, the identifier's included (a new disc gets a new identifier), is not imported.
std::vector<ImportField> PresetMapping(const std::vector<std::string>& headings, const TableLayout& layout);

// The headings of the first row, one for every column any row fills (those past the first row's
// last heading are empty).
std::vector<std::string> ColumnHeadings(const std::vector<SheetRow>& rows);

} // namespace mcb

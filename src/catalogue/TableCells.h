// The twelve cells and the hidden lending values of one table row.
#pragma once

#include "catalogue/DiscValues.h"
#include "catalogue/ReferenceNames.h"
#include "catalogue/TableTypes.h"
#include "storage/Layout.h"

#include <array>
#include <string>
#include <string_view>

namespace mcb {

class TIniFile;

// Name of an audience value; empty for "-1" and for any text other than "0" to "3".
std::string AudienceName(std::string_view aud);

// Medium name, a blank and the number of discs; empty without a medium ("-1024") and for a value
// that is not a number. A medium outside the media list has an empty name.
std::string CarrierText(std::string_view car, const TableLayout& layout);

// What a row shows besides the disc's own values.
struct RowContext {
    std::string_view discId;
    std::array<std::string_view, 3> names; // of the genre, the country and the company
    bool newMark = false;                  // the title cell ends with the new-disc mark
};

// Text of cell `column` (0..11) of the disc's row.
std::string CellText(const DiscViews& disc, const RowContext& context, int column, const TableLayout& layout);

TableRow MakeTableRow(const DiscViews& disc, const RowContext& context, const TableLayout& layout);

// The three lists whose entry names the table shows.
struct ListNames {
    explicit ListNames(const TIniFile& catalogue)
        : genres(catalogue, "Genres"), countries(catalogue, "Countries"), companies(catalogue, "Company") {}
    // The names of the disc's genre, country and company.
    std::array<std::string, 3> Of(const DiscViews& disc) {
        return {genres.Name(disc.Gen), countries.Name(disc.Cou), companies.Name(disc.Comp)};
    }
    ReferenceNames genres, countries, companies;
};

} // namespace mcb

// The twelve cells and the hidden lending values of one table row.
#pragma once

#include "catalogue/DiscValues.h"
#include "catalogue/ReferenceNames.h"
#include "catalogue/TableTypes.h"
#include "storage/Layout.h"

#include <string>

namespace mcb {

class TIniFile;

// Name of an audience value; empty for "-1" and for any text other than "0" to "3".
std::string AudienceName(const std::string& aud);

// Medium name, a blank and the number of discs; empty without a medium ("-1024") and for a value
// that is not a number. A medium outside the media list has an empty name.
std::string CarrierText(const std::string& car, const TableLayout& layout);

// The three lists whose entry names the table shows.
struct ListNames {
    explicit ListNames(const TIniFile& catalogue)
        : genres(catalogue, "Genres"), countries(catalogue, "Countries"), companies(catalogue, "Company") {}
    ReferenceNames genres, countries, companies;
};

// `title` is the title cell, new mark included.
TableRow MakeTableRow(ListNames& names, const std::string& discId, DiscValues&& disc, std::string&& title,
                      const TableLayout& layout);

} // namespace mcb

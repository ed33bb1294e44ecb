// The values of one disc section that the catalogue table shows and filters by, read as text with
// their documented defaults: as copies (DiscValues) or as views of the catalogue's own text
// (DiscViews), which stay valid as long as the catalogue instance lives.
#pragma once

#include <string>
#include <string_view>

namespace mcb {

class TIniFile;

template <class Text> struct BasicDiscValues {
    Text Nam, Nam2;
    Text Gen = "-1";
    Text Aud = "-1";
    Text Rol;
    Text Cou = "-1";
    Text Lon = "0";
    Text Car = "-1024";
    Text Ent = "0";
    Text Giv = "0";
    Text Gin = "-1";
    Text Comp = "-1";
    Text Dir, Year;
    Text Oth = "-1";

    bool IsLent() const { return Gin != "-1"; }
    // A section is a disc when one of its titles is not empty.
    bool IsDisc() const { return !Nam.empty() || !Nam2.empty(); }
};

using DiscValues = BasicDiscValues<std::string>;
using DiscViews = BasicDiscValues<std::string_view>;

DiscViews ReadDiscViews(const TIniFile& catalogue, const std::string& section);
DiscValues ReadDiscValues(const TIniFile& catalogue, const std::string& section);

// Day number of an Ent or Giv text; a text that is not a number counts as day 0.
int DayValue(std::string_view text);

} // namespace mcb

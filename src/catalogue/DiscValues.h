// The values of one disc section that the catalogue table shows and filters by, read as text with
// their documented defaults.
#pragma once

#include <string>

namespace mcb {

class TIniFile;

struct DiscValues {
    std::string Nam, Nam2;
    std::string Gen = "-1";
    std::string Aud = "-1";
    std::string Rol;
    std::string Cou = "-1";
    std::string Lon = "0";
    std::string Car = "-1024";
    std::string Ent = "0";
    std::string Giv = "0";
    std::string Gin = "-1";
    std::string Comp = "-1";
    std::string Dir, Year;
    std::string Oth = "-1";

    bool IsLent() const { return Gin != "-1"; }
};

DiscValues ReadDiscValues(const TIniFile& catalogue, const std::string& section);

// Day number of an Ent or Giv text; a text that is not a number counts as day 0.
int DayValue(const std::string& text);

} // namespace mcb

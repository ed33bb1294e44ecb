#include "catalogue/DiscValues.h"

#include "storage/DecimalInt.h"
#include "storage/MyIniFiles.h"

namespace mcb {

DiscValues ReadDiscValues(const TIniFile& catalogue, const std::string& section) {
    DiscValues d;
    for (auto [key, value] : {std::pair{"Nam", &d.Nam},
                              {"Nam2", &d.Nam2},
                              {"Gen", &d.Gen},
                              {"Aud", &d.Aud},
                              {"Rol", &d.Rol},
                              {"Cou", &d.Cou},
                              {"Lon", &d.Lon},
                              {"Car", &d.Car},
                              {"Ent", &d.Ent},
                              {"Giv", &d.Giv},
                              {"Gin", &d.Gin},
                              {"Comp", &d.Comp},
                              {"Dir", &d.Dir},
                              {"Year", &d.Year},
                              {"Oth", &d.Oth}})
        *value = catalogue.ReadString(section, key, *value);
    return d;
}

int DayValue(const std::string& text) {
    return ParseDecimalInt(text).value_or(0);
}

} // namespace mcb

#include "catalogue/DiscValues.h"

#include "storage/Cp1251.h"
#include "storage/DecimalInt.h"
#include "storage/MyIniFiles.h"

#include <array>
#include <cstdint>

namespace mcb {

namespace {

// A key of up to four characters upper-cased and packed into a number, with its length on top, so
// that a line's key is matched against all fifteen by integer comparisons; 0 for longer keys.
uint64_t PackedKey(std::string_view key) {
    if (key.size() > 4) return 0;
    const auto& upper = UpperTable();
    uint64_t packed = key.size();
    for (char c : key) packed = packed << 8 | static_cast<unsigned char>(upper[static_cast<unsigned char>(c)]);
    return packed;
}

struct KeyField {
    const char* key;
    std::string DiscValues::*field;
};

const std::array<KeyField, 15> kKeyFields = {{{"Nam", &DiscValues::Nam},
                                              {"Nam2", &DiscValues::Nam2},
                                              {"Gen", &DiscValues::Gen},
                                              {"Aud", &DiscValues::Aud},
                                              {"Rol", &DiscValues::Rol},
                                              {"Cou", &DiscValues::Cou},
                                              {"Lon", &DiscValues::Lon},
                                              {"Car", &DiscValues::Car},
                                              {"Ent", &DiscValues::Ent},
                                              {"Giv", &DiscValues::Giv},
                                              {"Gin", &DiscValues::Gin},
                                              {"Comp", &DiscValues::Comp},
                                              {"Dir", &DiscValues::Dir},
                                              {"Year", &DiscValues::Year},
                                              {"Oth", &DiscValues::Oth}}};

const std::array<uint64_t, 15>& PackedFieldKeys() {
    static const std::array<uint64_t, 15> keys = [] {
        std::array<uint64_t, 15> packed{};
        for (size_t k = 0; k < kKeyFields.size(); ++k) packed[k] = PackedKey(kKeyFields[k].key);
        return packed;
    }();
    return keys;
}

} // namespace

// One pass over the section's lines instead of one lookup per key; as with single reads, the first
// line of a key wins and keys match in any letter case.
DiscValues ReadDiscValues(const TIniFile& catalogue, const std::string& section) {
    DiscValues d;
    const auto& fieldKeys = PackedFieldKeys();
    uint32_t seen = 0;
    catalogue.VisitLines(section, [&](std::string_view key, std::string_view value) {
        const uint64_t packed = PackedKey(key);
        for (size_t k = 0; packed != 0 && k < fieldKeys.size(); ++k) {
            if (packed != fieldKeys[k]) continue;
            if (!(seen & (1u << k))) d.*kKeyFields[k].field = value;
            seen |= 1u << k;
            return;
        }
    });
    return d;
}

int DayValue(const std::string& text) {
    return ParseDecimalInt(text).value_or(0);
}

} // namespace mcb

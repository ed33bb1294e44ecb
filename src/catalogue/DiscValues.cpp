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

constexpr std::array<const char*, 15> kKeys = {"Nam", "Nam2", "Gen", "Aud",  "Rol", "Cou",  "Lon", "Car",
                                               "Ent", "Giv",  "Gin", "Comp", "Dir", "Year", "Oth"};

template <class Text> using Field = Text BasicDiscValues<Text>::*;

// The members in the order of kKeys.
template <class Text>
constexpr std::array<Field<Text>, 15> kFields = {
    &BasicDiscValues<Text>::Nam, &BasicDiscValues<Text>::Nam2, &BasicDiscValues<Text>::Gen,
    &BasicDiscValues<Text>::Aud, &BasicDiscValues<Text>::Rol,  &BasicDiscValues<Text>::Cou,
    &BasicDiscValues<Text>::Lon, &BasicDiscValues<Text>::Car,  &BasicDiscValues<Text>::Ent,
    &BasicDiscValues<Text>::Giv, &BasicDiscValues<Text>::Gin,  &BasicDiscValues<Text>::Comp,
    &BasicDiscValues<Text>::Dir, &BasicDiscValues<Text>::Year, &BasicDiscValues<Text>::Oth};

const std::array<uint64_t, 15>& PackedFieldKeys() {
    static const std::array<uint64_t, 15> keys = [] {
        std::array<uint64_t, 15> packed{};
        for (size_t k = 0; k < kKeys.size(); ++k) packed[k] = PackedKey(kKeys[k]);
        return packed;
    }();
    return keys;
}

} // namespace

// One pass over the section's lines instead of one lookup per key; as with single reads, the first
// line of a key wins and keys match in any letter case.
DiscViews ReadDiscViews(const TIniFile& catalogue, const std::string& section) {
    DiscViews d;
    const auto& fieldKeys = PackedFieldKeys();
    uint32_t seen = 0;
    catalogue.VisitLines(section, [&](std::string_view key, std::string_view value) {
        const uint64_t packed = PackedKey(key);
        for (size_t k = 0; packed != 0 && k < fieldKeys.size(); ++k) {
            if (packed != fieldKeys[k]) continue;
            if (!(seen & (1u << k))) d.*kFields<std::string_view>[k] = value;
            seen |= 1u << k;
            return;
        }
    });
    return d;
}

DiscValues ReadDiscValues(const TIniFile& catalogue, const std::string& section) {
    const DiscViews views = ReadDiscViews(catalogue, section);
    DiscValues d;
    for (size_t k = 0; k < kKeys.size(); ++k) d.*kFields<std::string>[k] = views.*kFields<std::string_view>[k];
    return d;
}

std::optional<PackedDiscViews> PackedDiscViews::Pack(const DiscViews& views, std::string_view text) {
    static const DiscViews defaults;
    const auto start = reinterpret_cast<std::uintptr_t>(text.data());
    PackedDiscViews packed;
    for (size_t k = 0; k < kKeys.size(); ++k) {
        const std::string_view value = views.*kFields<std::string_view>[k];
        const auto at = reinterpret_cast<std::uintptr_t>(value.data());
        if (value.empty()) continue;
        const bool inText = at >= start && value.size() <= text.size() && at - start <= text.size() - value.size();
        if (inText && at - start <= UINT32_MAX) {
            packed.offsets_[k] = uint32_t(at - start);
            packed.lengths_[k] = uint32_t(value.size());
        } else if (value == defaults.*kFields<std::string_view>[k]) {
            packed.lengths_[k] = kDefault;
        } else {
            return std::nullopt;
        }
    }
    return packed;
}

DiscViews PackedDiscViews::Unpack(std::string_view text) const {
    DiscViews views;
    for (size_t k = 0; k < kKeys.size(); ++k) {
        if (lengths_[k] != kDefault) views.*kFields<std::string_view>[k] = text.substr(offsets_[k], lengths_[k]);
    }
    return views;
}

int DayValue(std::string_view text) {
    return ParseDecimalInt(text).value_or(0);
}

} // namespace mcb

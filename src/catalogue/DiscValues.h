// The values of one disc section that the catalogue table shows and filters by, read as text with
// their documented defaults: as copies (DiscValues) or as views of the catalogue's own text
// (DiscViews), which stay valid as long as the catalogue instance lives.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
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

// A disc's views as places in one text (the catalogue's file text) and defaults: half the size of
// the views, which counts when hundreds of thousands of discs are held.
class PackedDiscViews {
public:
    // Nothing when a value lies outside `text` (a value changed since the file was read).
    static std::optional<PackedDiscViews> Pack(const DiscViews& views, std::string_view text);
    // The views again, of the same `text`.
    DiscViews Unpack(std::string_view text) const;

private:
    static constexpr uint32_t kDefault = UINT32_MAX; // as a length: the field's default text
    std::array<uint32_t, 15> offsets_{}, lengths_{};
};

// Day number of an Ent or Giv text; a text that is not a number counts as day 0.
int DayValue(std::string_view text);

} // namespace mcb

// The similar-name check of the disc editor. Titles are compared after NormalizeTitle; the index
// holds hashes of the normalised titles of every disc and follows the catalogue's changes, so that
// neither an opening of the editor nor a save walks over every disc again.
#pragma once

#include "catalogue/DiscChanges.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace mcb {

class TIniFile;

// Removes every blank (code 32; other white space stays) and upper-cases the rest (Windows-1251).
std::string NormalizeTitle(std::string_view title);

// The few discs a hash points to are confirmed against their stored titles.
class TitleIndex {
public:
    // Brings the index in line with the catalogue: the titles of the discs changed since the last
    // call are read again (every title at the first call and for another catalogue instance).
    void Update(const TIniFile& catalogue);

    // Numbers of the discs other than `own` whose Nam or Nam2 is similar to a non-empty nam or nam2,
    // ascending, each once. The index must be up to date with the catalogue.
    std::vector<long long> Similar(const TIniFile& catalogue, std::string_view nam, std::string_view nam2,
                                   long long own) const;

private:
    struct Entry {
        std::uint64_t hash;
        std::uint32_t disc;
        auto operator<=>(const Entry&) const = default;
    };

    static void Add(const TIniFile& catalogue, std::uint32_t disc, std::vector<Entry>& entries);
    void Collect(const TIniFile& catalogue, std::string_view typed, long long own, std::vector<long long>& found) const;

    DiscChangeTracker tracker_;
    std::vector<Entry> entries_; // sorted
};

} // namespace mcb

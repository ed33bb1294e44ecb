// The similar-name check of the disc editor. Titles are compared after NormalizeTitle; the index is
// built once from the catalogue so that a save into a large catalogue does not re-read every title.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace mcb {

class TIniFile;

// Removes every blank (code 32; other white space stays) and upper-cases the rest (Windows-1251).
std::string NormalizeTitle(std::string_view title);

// Holds the hashes of the normalised titles only; the few discs a hash points to are confirmed
// against their stored titles. Valid while the catalogue's titles stay as they were.
class TitleIndex {
public:
    explicit TitleIndex(const TIniFile& catalogue);

    // Numbers of the discs other than `own` whose Nam or Nam2 is similar to a non-empty nam or nam2,
    // ascending, each once.
    std::vector<long long> Similar(std::string_view nam, std::string_view nam2, long long own) const;

private:
    struct Entry {
        std::size_t hash;
        long long disc;
        auto operator<=>(const Entry&) const = default;
    };

    void Add(const std::string& title, long long disc);
    void Collect(const std::string& title, long long own, std::vector<long long>& found) const;
    bool HasTitle(long long disc, const std::string& title) const;

    const TIniFile& catalogue_;
    std::vector<Entry> entries_; // sorted
};

} // namespace mcb

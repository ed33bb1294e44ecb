// The folded texts the quick search looks in (both titles, the cast, the director and the
// description of every disc), kept in step with the catalogue like the table: only the discs that
// changed since the last look are read again. The texts of all discs lie in one buffer, so that the
// index costs about what those fields take in the file.
#pragma once

#include "catalogue/DiscChanges.h"
#include "catalogue/SearchWords.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace mcb {

class TIniFile;

class SearchIndex {
public:
    // Brings the index in line with the catalogue; false when no disc changed since the last call.
    bool Update(const TIniFile& catalogue);

    // Numbers of the discs whose texts hold every word, ascending.
    std::vector<uint32_t> Find(const SearchWords& words) const;
    // The same among `candidates` (ascending numbers), for words that narrow those the candidates
    // were found for.
    std::vector<uint32_t> FindAmong(const SearchWords& words, const std::vector<uint32_t>& candidates) const;

private:
    struct Entry {
        uint32_t number;
        uint32_t length;
        std::size_t offset;
    };
    static bool Before(const Entry& a, const Entry& b) { return a.number < b.number; }
    std::string_view TextOf(const Entry& entry) const {
        return std::string_view(text_).substr(entry.offset, entry.length);
    }
    void Add(const TIniFile& catalogue, uint32_t number, std::vector<Entry>& entries);
    void Compact();

    DiscChangeTracker tracker_;
    std::string text_;
    std::vector<Entry> entries_; // by number
    std::size_t liveBytes_ = 0;
};

} // namespace mcb

// Which discs of a catalogue instance changed since the last look: for readers that keep values of
// the discs and read again only what changed (the table, the title index of the disc editor).
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

namespace mcb {

class TIniFile;

struct DiscChanges {
    bool everything = false;     // another instance, or more changes than were kept: read it whole
    bool nameLists = false;      // the genres, countries or companies changed
    std::vector<uint32_t> discs; // numbers to read again, ascending, each once (LastCDID included)
    long long lastCdid = 0;      // as it is now
};

class DiscChangeTracker {
public:
    // What changed since the last call (everything at the first).
    DiscChanges Since(const TIniFile& catalogue);

private:
    std::shared_ptr<const void> texts_; // of the instance looked at
    std::uint64_t seen_ = 0;
    long long lastCdid_ = 0;
};

} // namespace mcb

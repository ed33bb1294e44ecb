// A compact open-addressing hash table from the hash of a name to two numbers, used by the
// key/value engine to find sections and keys without scanning. Entries live in one array, so a
// lookup in a large catalogue costs about one cache miss. Several entries may share a hash; the
// caller tells them apart by comparing the names they stand for.
#pragma once

#include "storage/BigBlock.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace mcb {

class NameTable {
public:
    struct Entry {
        std::uint64_t hash;
        std::uint32_t first; // kFree in an unused slot
        std::uint32_t last;
        // Memory the caller will read once the entry is found (may be stale or null): fetching it
        // while the names are compared overlaps the cache misses of a lookup.
        const void* soon[2];
    };

    // The entry of this hash for which `matches(entry)` holds; null when there is none. The pointer
    // stays valid until the next Insert or Remove.
    template <class Matches> Entry* Find(std::uint64_t hash, Matches&& matches) {
        if (slots_.empty()) return nullptr;
        for (std::size_t i = Home(hash); slots_[i].first != kFree; i = (i + 1) & Mask()) {
            if (slots_[i].hash != hash) continue;
            FetchSoon(slots_[i]);
            if (matches(slots_[i])) return &slots_[i];
        }
        return nullptr;
    }

    void Insert(std::uint64_t hash, std::uint32_t first, std::uint32_t last);
    void Remove(Entry* entry);

private:
    static constexpr std::uint32_t kFree = UINT32_MAX;

    std::size_t Mask() const { return slots_.size() - 1; }
    std::size_t Home(std::uint64_t hash) const { return static_cast<std::size_t>(hash ^ (hash >> 29)) & Mask(); }
    static void FetchSoon(const Entry& entry);
    void Place(const Entry& entry);
    void Grow();

    BigVector<Entry> slots_; // size is zero or a power of two, at most half used
    std::size_t used_ = 0;
};

} // namespace mcb

#include "storage/NameTable.h"

#include <utility>

namespace mcb {

void NameTable::Insert(std::uint64_t hash, std::uint32_t first, std::uint32_t last) {
    if ((used_ + 1) * 2 > slots_.size()) Grow();
    Place(Entry{hash, first, last, {nullptr, nullptr}});
    ++used_;
}

// Backward-shift deletion: later entries of the probe run move up so that no lookup stops early.
void NameTable::Remove(Entry* entry) {
    std::size_t hole = static_cast<std::size_t>(entry - slots_.data());
    for (std::size_t next = (hole + 1) & Mask(); slots_[next].first != kFree; next = (next + 1) & Mask()) {
        const std::size_t home = Home(slots_[next].hash);
        // The entry may move into the hole unless its home lies cyclically in (hole, next].
        const bool homeAfterHole = hole <= next ? (home > hole && home <= next) : (home > hole || home <= next);
        if (homeAfterHole) continue;
        slots_[hole] = slots_[next];
        hole = next;
    }
    slots_[hole].first = kFree;
    --used_;
}

void NameTable::FetchSoon(const Entry& entry) {
    // A prefetch never faults, so a stale address costs nothing but the fetch.
    for (const void* start : entry.soon)
        for (int line = 0; start && line < 5; ++line) __builtin_prefetch(static_cast<const char*>(start) + 64 * line);
}

void NameTable::Place(const Entry& entry) {
    std::size_t i = Home(entry.hash);
    while (slots_[i].first != kFree) i = (i + 1) & Mask();
    slots_[i] = entry;
}

void NameTable::Grow() {
    BigVector<Entry> old(slots_.empty() ? 16 : slots_.size() * 2, Entry{0, kFree, 0, {nullptr, nullptr}});
    old.swap(slots_);
    for (const Entry& entry : old)
        if (entry.first != kFree) Place(entry);
}

} // namespace mcb

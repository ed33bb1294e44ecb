#include "storage/NameTable.h"

#include <utility>

namespace mcb {

void NameTable::Reserve(std::size_t count) {
    std::size_t size = slots_.empty() ? 16 : slots_.size();
    while (count * 4 > size * 3) size *= 2;
    if (size != slots_.size()) Rebuild(size);
}

void NameTable::Insert(std::uint64_t hash, std::uint32_t number) {
    Reserve(used_ + 1);
    Place(Slot{Tag(hash), number});
    ++used_;
}

// Backward-shift deletion: later entries of the probe run move up so that no lookup stops early.
void NameTable::Remove(std::uint32_t* number) {
    const auto bytes = reinterpret_cast<const char*>(number) - reinterpret_cast<const char*>(slots_.data());
    std::size_t hole = static_cast<std::size_t>(bytes) / sizeof(Slot);
    for (std::size_t next = (hole + 1) & Mask(); slots_[next].number != kFree; next = (next + 1) & Mask()) {
        const std::size_t home = slots_[next].tag & Mask();
        // The entry may move into the hole unless its home lies cyclically in (hole, next].
        const bool homeAfterHole = hole <= next ? (home > hole && home <= next) : (home > hole || home <= next);
        if (homeAfterHole) continue;
        slots_[hole] = slots_[next];
        hole = next;
    }
    slots_[hole].number = kFree;
    --used_;
}

void NameTable::Place(Slot slot) {
    std::size_t i = slot.tag & Mask();
    while (slots_[i].number != kFree) i = (i + 1) & Mask();
    slots_[i] = slot;
}

void NameTable::Rebuild(std::size_t size) {
    BigVector<Slot> old(size, Slot{0, kFree});
    old.swap(slots_);
    for (const Slot& slot : old)
        if (slot.number != kFree) Place(slot);
}

} // namespace mcb

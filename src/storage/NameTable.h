// A compact open-addressing hash table from names to numbers (of sections, or of the lines of one
// section), so that the key/value engine finds them without scanning. An entry is eight bytes, 32
// bits of the name's hash and the number, which keeps the table small even for millions of names.
// Several names may share those bits; the caller tells them apart by comparing the names that the
// numbers stand for.
#pragma once

#include "storage/BigBlock.h"

#include <cstddef>
#include <cstdint>

namespace mcb {

class NameTable {
public:
    // The number for which `matches(number)` holds among those stored under this hash; null when
    // there is none. The number may be changed through the pointer, which stays valid until the
    // next Insert or Remove.
    template <class Matches> std::uint32_t* Find(std::uint64_t hash, Matches&& matches) {
        if (slots_.empty()) return nullptr;
        const std::uint32_t tag = Tag(hash);
        for (std::size_t i = tag & Mask(); slots_[i].number != kFree; i = (i + 1) & Mask())
            if (slots_[i].tag == tag && matches(slots_[i].number)) return &slots_[i].number;
        return nullptr;
    }
    template <class Matches> const std::uint32_t* Find(std::uint64_t hash, Matches&& matches) const {
        return const_cast<NameTable*>(this)->Find(hash, matches);
    }

    void Insert(std::uint64_t hash, std::uint32_t number);
    void Remove(std::uint32_t* number);
    // Room for this many numbers without growing.
    void Reserve(std::size_t count);

private:
    struct Slot {
        std::uint32_t tag;
        std::uint32_t number; // kFree in an unused slot
    };
    static constexpr std::uint32_t kFree = UINT32_MAX;

    static std::uint32_t Tag(std::uint64_t hash) { return static_cast<std::uint32_t>(hash ^ (hash >> 32)); }
    std::size_t Mask() const { return slots_.size() - 1; }
    void Place(Slot slot);
    void Rebuild(std::size_t size);

    BigVector<Slot> slots_; // zero or a power of two in size, at most three quarters used
    std::size_t used_ = 0;
};

} // namespace mcb

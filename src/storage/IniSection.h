// One section of the key/value engine: its name and its key line slots in file order. A deleted
// line keeps its slot (empty) so that the order of the others never changes. The first line whose
// key matches (ignoring letter case) wins; long sections keep an index of their keys so that
// lookups stay fast in lists of thousands of entries. The slots of a section as read lie in the
// arena's table of file lines; a section that gains a line moves its slots to a list of its own.
#pragma once

#include "storage/IniLines.h"
#include "storage/NameTable.h"
#include "storage/UpperHash.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace mcb {

// Aligned so that everything a lookup reads of a section comes with one cache line.
class alignas(64) IniSection {
public:
    explicit IniSection(std::string name);

    const std::string& Name() const { return name_; }
    // Every slot in order; deleted slots are empty.
    std::span<const LineRef> Lines(const LineArena& arena) const;

    // Value of the first line with this key; nothing when there is none.
    std::optional<std::string_view> Value(const LineArena& arena, std::string_view key) const;
    // Replaces the value of the first line with this key, keeping the stored key text, or appends
    // "key=value" when there is none.
    void SetValue(LineArena& arena, std::string_view key, std::string_view value);
    // Takes the file lines from slot `first` on, `count` of them, as read under this section's header.
    void AdoptFileLines(const LineArena& arena, std::size_t first, std::size_t count);
    // Empties the slot of the first line with this key; false when there is none.
    bool DeleteKey(LineArena& arena, std::string_view key);
    // Erasing keeps the section's place: the name becomes empty and every line goes.
    void Erase(LineArena& arena);

    // Keys of the live lines in order, duplicates included.
    std::vector<std::string> KeyNames(const LineArena& arena) const;

    // The name and every slot's line (empty for a deleted one), to bring the section back exactly.
    struct Copy {
        std::string name;
        std::vector<std::string> lines;
        std::vector<std::uint32_t> keySizes;
    };
    Copy Save(const LineArena& arena) const;
    void Restore(LineArena& arena, const Copy& copy);

private:
    struct Occurrences {
        std::vector<std::uint32_t> lines; // ascending slot numbers of one key (ignoring case)
        std::size_t first = 0;            // the ones before it were deleted
    };
    struct KeyIndex {
        NameTable table; // by UpperHash of the key: the number of its Occurrences
        std::vector<Occurrences> keys;
    };

    static constexpr std::size_t kIndexFrom = 64; // shorter sections (every disc) are scanned
    static constexpr std::size_t kNone = SIZE_MAX;

    std::span<LineRef> Slots(LineArena& arena);
    NameTable::Entry* Entry(const LineArena& arena, std::string_view key, std::uint64_t hash) const;
    std::size_t Find(const LineArena& arena, std::string_view key) const;
    std::size_t Scan(const LineArena& arena, std::string_view key) const;
    void IndexFrom(const LineArena& arena, std::size_t slot);

    std::string name_;
    std::unique_ptr<KeyIndex> index_;
    std::uint32_t fileFirst_ = 0, fileCount_ = 0; // slots in the arena's file lines while there is no own_
    std::unique_ptr<std::vector<LineRef>> own_;
};

} // namespace mcb

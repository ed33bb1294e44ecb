// One section of the key/value engine: its name and its key line slots in file order. A deleted
// line keeps its slot (empty) so that the order of the others never changes. The first line whose
// key matches (ignoring letter case) wins; long sections keep an index of their keys so that
// lookups stay fast in lists of thousands of entries. A section as read is small: its name and its
// slots lie in the arena's file text and table of file lines; a section that gains a line moves its
// slots to a list of its own, kept with its index in the arena's extras.
#pragma once

#include "storage/IniLines.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace mcb {

class IniSection {
public:
    // `name` is a text of the arena.
    explicit IniSection(const LineRef& name) : nameWhere_(name.where), nameSize_(name.size) {}

    // Empty for an erased section.
    std::string_view Name(const LineArena& arena) const;
    // Every slot in order; deleted slots are empty.
    std::span<const LineRef> Lines(const LineArena& arena) const;

    // Value of the first line with this key; nothing when there is none.
    std::optional<std::string_view> Value(const LineArena& arena, std::string_view key) const;
    // Replaces the value of the first line with this key, keeping the stored key text, or appends
    // "key=value" when there is none.
    void SetValue(LineArena& arena, std::string_view key, std::string_view value);
    // Takes the file lines from slot `first` on, `count` of them, as read under this section's header.
    void AdoptFileLines(LineArena& arena, std::size_t first, std::size_t count);
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
    static constexpr std::size_t kIndexFrom = 64; // shorter sections (every disc) are scanned
    static constexpr std::size_t kNone = SIZE_MAX;
    static constexpr std::uint32_t kNoExtra = 0;

    SectionExtra* Extra(LineArena& arena) const { return extra_ == kNoExtra ? nullptr : &arena.Extra(extra_ - 1); }
    const SectionExtra* Extra(const LineArena& arena) const {
        return extra_ == kNoExtra ? nullptr : &arena.Extra(extra_ - 1);
    }
    SectionExtra& OwnExtra(LineArena& arena);
    std::span<LineRef> Slots(LineArena& arena);
    std::size_t Find(const LineArena& arena, std::string_view key) const;
    std::size_t Scan(const LineArena& arena, std::string_view key, std::size_t from) const;
    void IndexFrom(LineArena& arena, std::size_t slot);

    std::uint64_t nameWhere_;
    std::uint32_t nameSize_;
    std::uint32_t extra_ = kNoExtra;              // one more than the number of its extra in the arena
    std::uint32_t fileFirst_ = 0, fileCount_ = 0; // its slots among the file lines while it has no own list
};

} // namespace mcb

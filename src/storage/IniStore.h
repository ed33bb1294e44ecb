// The sections of the key/value engine in file order. Duplicate names stay; lookups ignore letter
// case and find the first live section of a name through an index. An erased section keeps its
// slot with an empty name, which reveals the next section of the same name.
#pragma once

#include "storage/IniSection.h"
#include "storage/UpperHash.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace mcb {

class IniStore {
public:
    const std::vector<IniSection>& Sections() const { return sections_; }

    // Appends a section even when one of that name exists (as read from a file).
    IniSection& AppendSection(std::string name);
    // The last section, which receives the key lines read after its header; null before any.
    IniSection* LastSection() { return sections_.empty() ? nullptr : &sections_.back(); }

    const IniSection* Find(std::string_view name) const;
    IniSection* Find(std::string_view name);
    // The first section of that name, appended at the end when there is none.
    IniSection& FindOrAppend(std::string_view name);
    // False when there is no section of that name.
    bool Erase(std::string_view name);

private:
    static constexpr std::size_t kNone = static_cast<std::size_t>(-1);
    std::size_t FirstSlot(std::string_view name) const;

    using SlotNumbers = std::vector<std::uint32_t>; // ascending
    std::vector<IniSection> sections_;
    std::unordered_map<std::string, SlotNumbers, UpperHash, UpperEqual> index_;
};

} // namespace mcb

// The sections of the key/value engine in file order, over the bytes of the file they were read
// from. Duplicate names stay; lookups ignore letter case and find the first live section of a name
// through an index. An erased section keeps its slot with an empty name, which reveals the next
// section of the same name.
#pragma once

#include "storage/BigBlock.h"
#include "storage/IniLines.h"
#include "storage/IniSection.h"
#include "storage/NameTable.h"

#include <cstdint>
#include <string_view>

namespace mcb {

class IniStore {
public:
    IniStore() = default;
    // A store over this text, for reading it with ParseIniText.
    explicit IniStore(std::string_view text) { arena_.AssignText(text); }
    IniStore(const IniStore&) = delete;
    IniStore& operator=(const IniStore&) = delete;

    const LineArena& Arena() const { return arena_; }
    LineArena& Arena() { return arena_; }
    const BigVector<IniSection>& Sections() const { return sections_; }

    // Room for this many sections without moving them.
    void Reserve(std::size_t sections);
    // Appends a section even when one of that name exists (as read from a file); `name` is a text of
    // the arena. The reference stays valid until the next section is appended.
    IniSection& AppendSection(const LineRef& name);

    const IniSection* Find(std::string_view name) const;
    IniSection* Find(std::string_view name);
    // The first section of that name, appended at the end when there is none.
    IniSection& FindOrAppend(std::string_view name);
    // False when there is no section of that name.
    bool Erase(std::string_view name);

    std::uint32_t Number(const IniSection& section) const {
        return static_cast<std::uint32_t>(&section - sections_.data());
    }
    IniSection& At(std::uint32_t number) { return sections_[number]; }
    // Drops the sections from `count` on and indexes the names again; after sections were brought
    // back by IniSection::Restore.
    void Reindex(std::size_t count);

private:
    std::uint32_t* Entry(std::string_view name);
    void IndexName(std::uint32_t number);

    LineArena arena_;
    BigVector<IniSection> sections_;
    // By UpperHash of the name: the first live section of that name.
    NameTable index_;
    bool sameNames_ = false; // some name was given to more than one section
};

} // namespace mcb

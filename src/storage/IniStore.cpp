#include "storage/IniStore.h"

#include "storage/UpperHash.h"

namespace mcb {

std::uint32_t* IniStore::Entry(std::string_view name) {
    return index_.Find(UpperHash(name),
                       [&](std::uint32_t number) { return SameName(sections_[number].Name(arena_), name); });
}

// The index grows as names come: a reserve from a guess would touch all of its memory.
void IniStore::Reserve(std::size_t sections) {
    sections_.reserve(sections);
}

IniSection& IniStore::AppendSection(const LineRef& name) {
    IniSection& section = sections_.emplace_back(name);
    IndexName(static_cast<std::uint32_t>(sections_.size() - 1));
    return section;
}

void IniStore::IndexName(std::uint32_t number) {
    const std::string_view name = sections_[number].Name(arena_);
    if (Entry(name))
        sameNames_ = true; // found through the first; revealed when that one is erased
    else
        index_.Insert(UpperHash(name), number);
}

void IniStore::Reindex(std::size_t count) {
    sections_.erase(sections_.begin() + std::ptrdiff_t(count), sections_.end());
    index_ = NameTable();
    index_.Reserve(count);
    for (std::uint32_t number = 0; number < count; ++number)
        if (!sections_[number].Name(arena_).empty()) IndexName(number); // erased sections are not found
}

const IniSection* IniStore::Find(std::string_view name) const {
    return const_cast<IniStore*>(this)->Find(name);
}

IniSection* IniStore::Find(std::string_view name) {
    const std::uint32_t* entry = Entry(name);
    return entry ? &sections_[*entry] : nullptr;
}

IniSection& IniStore::FindOrAppend(std::string_view name) {
    if (IniSection* found = Find(name)) return *found;
    return AppendSection(arena_.AddText(name));
}

bool IniStore::Erase(std::string_view name) {
    std::uint32_t* entry = Entry(name);
    if (!entry) return false;
    const std::uint32_t erased = *entry;
    sections_[erased].Erase(arena_);
    // The next section of that name, if there is one, is found from now on.
    for (std::uint32_t next = erased + 1; sameNames_ && next < sections_.size(); ++next) {
        if (SameName(sections_[next].Name(arena_), name)) {
            *entry = next;
            return true;
        }
    }
    index_.Remove(entry);
    return true;
}

} // namespace mcb

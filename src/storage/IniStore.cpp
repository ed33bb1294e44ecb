#include "storage/IniStore.h"

namespace mcb {

NameTable::Entry* IniStore::Entry(std::string_view name, std::uint64_t hash) {
    return index_.Find(hash,
                       [&](const NameTable::Entry& entry) { return SameName(sections_[entry.first].Name(), name); });
}

IniSection& IniStore::AppendSection(std::string name) {
    nextSameName_.push_back(kNoSection);
    IniSection& section = sections_.emplace_back(std::move(name));
    IndexName(static_cast<std::uint32_t>(sections_.size() - 1));
    return section;
}

void IniStore::IndexName(std::uint32_t number) {
    const std::string& name = sections_[number].Name();
    const std::uint64_t hash = UpperHash(name);
    if (NameTable::Entry* entry = Entry(name, hash)) {
        nextSameName_[entry->last] = number;
        entry->last = number;
    } else {
        index_.Insert(hash, number, number);
    }
}

void IniStore::Reindex(std::size_t count) {
    sections_.erase(sections_.begin() + std::ptrdiff_t(count), sections_.end());
    index_ = NameTable();
    nextSameName_.assign(count, kNoSection);
    for (std::uint32_t number = 0; number < count; ++number)
        if (!sections_[number].Name().empty()) IndexName(number); // erased sections are not found
}

// The hints that a lookup refreshes are a cache, not part of what the store holds.
const IniSection* IniStore::Find(std::string_view name) const {
    return const_cast<IniStore*>(this)->Find(name);
}

IniSection* IniStore::Find(std::string_view name) {
    NameTable::Entry* entry = Entry(name, UpperHash(name));
    if (!entry) return nullptr;
    IniSection& section = sections_[entry->first];
    const std::span<const LineRef> lines = section.Lines(arena_);
    entry->soon[0] = lines.data();
    entry->soon[1] = lines.empty() ? nullptr : arena_.Text(lines.front()).data();
    return &section;
}

IniSection& IniStore::FindOrAppend(std::string_view name) {
    if (IniSection* found = Find(name)) return *found;
    return AppendSection(std::string(name));
}

bool IniStore::Erase(std::string_view name) {
    NameTable::Entry* entry = Entry(name, UpperHash(name));
    if (!entry) return false;
    const std::uint32_t erased = entry->first;
    if (nextSameName_[erased] == kNoSection)
        index_.Remove(entry);
    else
        entry->first = nextSameName_[erased];
    sections_[erased].Erase(arena_);
    return true;
}

} // namespace mcb

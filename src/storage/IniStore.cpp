#include "storage/IniStore.h"

namespace mcb {

NameTable::Entry* IniStore::Entry(std::string_view name, std::uint64_t hash) {
    return index_.Find(hash,
                       [&](const NameTable::Entry& entry) { return SameName(sections_[entry.first].Name(), name); });
}

IniSection& IniStore::AppendSection(std::string name) {
    const auto number = static_cast<std::uint32_t>(sections_.size());
    const std::uint64_t hash = UpperHash(name);
    if (NameTable::Entry* entry = Entry(name, hash)) {
        nextSameName_[entry->last] = number;
        entry->last = number;
    } else {
        index_.Insert(hash, number, number);
    }
    nextSameName_.push_back(kNoSection);
    return sections_.emplace_back(std::move(name));
}

const IniSection* IniStore::Find(std::string_view name) const {
    return const_cast<IniStore*>(this)->Find(name);
}

IniSection* IniStore::Find(std::string_view name) {
    const NameTable::Entry* entry = Entry(name, UpperHash(name));
    return entry ? &sections_[entry->first] : nullptr;
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

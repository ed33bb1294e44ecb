#include "storage/IniStore.h"

#include <utility>

namespace mcb {

IniSection& IniStore::AppendSection(std::string name) {
    const auto slot = static_cast<std::uint32_t>(sections_.size());
    auto entry = index_.find(name);
    if (entry == index_.end()) entry = index_.emplace(name, SlotNumbers{}).first;
    entry->second.push_back(slot);
    return sections_.emplace_back(std::move(name));
}

std::size_t IniStore::FirstSlot(std::string_view name) const {
    const auto entry = index_.find(name);
    return entry == index_.end() ? kNone : entry->second.front();
}

const IniSection* IniStore::Find(std::string_view name) const {
    const std::size_t slot = FirstSlot(name);
    return slot == kNone ? nullptr : &sections_[slot];
}

IniSection* IniStore::Find(std::string_view name) {
    const std::size_t slot = FirstSlot(name);
    return slot == kNone ? nullptr : &sections_[slot];
}

IniSection& IniStore::FindOrAppend(std::string_view name) {
    if (IniSection* found = Find(name)) return *found;
    return AppendSection(std::string(name));
}

bool IniStore::Erase(std::string_view name) {
    const auto entry = index_.find(name);
    if (entry == index_.end()) return false;
    sections_[entry->second.front()].Erase();
    entry->second.erase(entry->second.begin());
    if (entry->second.empty()) index_.erase(entry);
    return true;
}

} // namespace mcb

#include "storage/IniSection.h"

#include <utility>

namespace mcb {

IniSection::IniSection(std::string name) : name_(std::move(name)) {}

std::span<const LineRef> IniSection::Lines(const LineArena& arena) const {
    if (own_) return *own_;
    return std::span<const LineRef>(arena.FileLines()).subspan(fileFirst_, fileCount_);
}

std::span<LineRef> IniSection::Slots(LineArena& arena) {
    if (own_) return *own_;
    return std::span<LineRef>(arena.FileLines()).subspan(fileFirst_, fileCount_);
}

std::optional<std::string_view> IniSection::Value(const LineArena& arena, std::string_view key) const {
    const std::size_t at = Find(arena, key);
    if (at == kNone) return std::nullopt;
    return arena.Value(Lines(arena)[at]);
}

void IniSection::SetValue(LineArena& arena, std::string_view key, std::string_view value) {
    const std::size_t at = Find(arena, key);
    if (at != kNone) {
        arena.SetValue(Slots(arena)[at], value); // the stored key keeps its letter case
        return;
    }
    if (!own_) {
        const std::span<const LineRef> read = Lines(arena);
        own_ = std::make_unique<std::vector<LineRef>>(read.begin(), read.end());
    }
    own_->push_back(arena.Add(key, value));
    IndexFrom(arena, own_->size() - 1);
}

void IniSection::AdoptFileLines(const LineArena& arena, std::size_t first, std::size_t count) {
    fileFirst_ = static_cast<std::uint32_t>(first);
    fileCount_ = static_cast<std::uint32_t>(count);
    IndexFrom(arena, 0);
}

bool IniSection::DeleteKey(LineArena& arena, std::string_view key) {
    const std::size_t at = Find(arena, key);
    if (at == kNone) return false;
    if (index_) {
        NameTable::Entry* entry = Entry(arena, key, UpperHash(key));
        Occurrences& same = index_->keys[entry->first];
        if (++same.first == same.lines.size()) index_->table.Remove(entry);
    }
    arena.Delete(Slots(arena)[at]);
    return true;
}

void IniSection::Erase(LineArena& arena) {
    for (LineRef& line : Slots(arena)) arena.Delete(line);
    name_.clear();
    fileCount_ = 0;
    own_.reset();
    index_.reset();
}

std::vector<std::string> IniSection::KeyNames(const LineArena& arena) const {
    std::vector<std::string> keys;
    for (const LineRef& line : Lines(arena))
        if (!line.Deleted()) keys.emplace_back(arena.Key(line));
    return keys;
}

IniSection::Copy IniSection::Save(const LineArena& arena) const {
    Copy copy{name_, {}, {}};
    for (const LineRef& line : Lines(arena)) {
        copy.lines.emplace_back(line.Deleted() ? std::string_view() : arena.Text(line));
        copy.keySizes.push_back(line.keySize);
    }
    return copy;
}

void IniSection::Restore(LineArena& arena, const Copy& copy) {
    name_ = copy.name;
    own_ = std::make_unique<std::vector<LineRef>>();
    for (std::size_t i = 0; i < copy.lines.size(); ++i) {
        const std::string_view line = copy.lines[i];
        own_->push_back(line.empty() ? LineRef{}
                                     : arena.Add(line.substr(0, copy.keySizes[i]), line.substr(copy.keySizes[i] + 1)));
    }
    index_.reset();
    IndexFrom(arena, 0);
}

NameTable::Entry* IniSection::Entry(const LineArena& arena, std::string_view key, std::uint64_t hash) const {
    const std::span<const LineRef> lines = Lines(arena);
    return index_->table.Find(hash, [&](const NameTable::Entry& entry) {
        const Occurrences& same = index_->keys[entry.first];
        return SameName(arena.Key(lines[same.lines[same.first]]), key);
    });
}

std::size_t IniSection::Find(const LineArena& arena, std::string_view key) const {
    if (!index_) return Scan(arena, key);
    const NameTable::Entry* entry = Entry(arena, key, UpperHash(key));
    if (!entry) return kNone;
    const Occurrences& same = index_->keys[entry->first];
    return same.lines[same.first];
}

std::size_t IniSection::Scan(const LineArena& arena, std::string_view key) const {
    const std::span<const LineRef> lines = Lines(arena);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const LineRef& line = lines[i];
        if (line.keySize == key.size() && !line.Deleted() && SameName(arena.Key(line), key)) return i;
    }
    return kNone;
}

// Indexes the slots from `slot` on, or all of them once the section has grown long enough.
void IniSection::IndexFrom(const LineArena& arena, std::size_t slot) {
    const std::span<const LineRef> lines = Lines(arena);
    if (!index_) {
        if (lines.size() < kIndexFrom) return;
        index_ = std::make_unique<KeyIndex>();
        slot = 0;
    }
    for (; slot < lines.size(); ++slot) {
        if (lines[slot].Deleted()) continue;
        const std::string_view key = arena.Key(lines[slot]);
        const std::uint64_t hash = UpperHash(key);
        const auto number = static_cast<std::uint32_t>(slot);
        if (const NameTable::Entry* entry = Entry(arena, key, hash)) {
            index_->keys[entry->first].lines.push_back(number);
        } else {
            index_->table.Insert(hash, static_cast<std::uint32_t>(index_->keys.size()), 0);
            index_->keys.push_back(Occurrences{{number}, 0});
        }
    }
}

} // namespace mcb

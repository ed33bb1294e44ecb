#include "storage/IniSection.h"

#include "storage/UpperHash.h"

namespace mcb {

namespace {

bool HasKey(const LineArena& arena, const LineRef& line, std::string_view key) {
    return line.keySize == key.size() && !line.Deleted() && SameName(arena.Key(line), key);
}

} // namespace

std::string_view IniSection::Name(const LineArena& arena) const {
    return nameSize_ == 0 ? std::string_view() : arena.Text(LineRef{nameWhere_, nameSize_, 0});
}

std::span<const LineRef> IniSection::Lines(const LineArena& arena) const {
    const SectionExtra* extra = Extra(arena);
    if (extra && extra->own) return *extra->own;
    return std::span<const LineRef>(arena.FileLines()).subspan(fileFirst_, fileCount_);
}

std::span<LineRef> IniSection::Slots(LineArena& arena) {
    SectionExtra* extra = Extra(arena);
    if (extra && extra->own) return *extra->own;
    return std::span<LineRef>(arena.FileLines()).subspan(fileFirst_, fileCount_);
}

SectionExtra& IniSection::OwnExtra(LineArena& arena) {
    if (extra_ == kNoExtra) extra_ = arena.NewExtra() + 1;
    return *Extra(arena);
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
    SectionExtra& extra = OwnExtra(arena);
    if (!extra.own) {
        const std::span<const LineRef> read =
            std::span<const LineRef>(arena.FileLines()).subspan(fileFirst_, fileCount_);
        extra.own.emplace(read.begin(), read.end());
    }
    extra.own->push_back(arena.Add(key, value));
    IndexFrom(arena, extra.own->size() - 1);
}

void IniSection::AdoptFileLines(LineArena& arena, std::size_t first, std::size_t count) {
    fileFirst_ = static_cast<std::uint32_t>(first);
    fileCount_ = static_cast<std::uint32_t>(count);
    IndexFrom(arena, 0);
}

bool IniSection::DeleteKey(LineArena& arena, std::string_view key) {
    const std::size_t at = Find(arena, key);
    if (at == kNone) return false;
    LineArena::Delete(Slots(arena)[at]);
    SectionExtra* extra = Extra(arena);
    if (!extra || !extra->keys) return true;
    // The next line of the same key, if any, is the one found from now on.
    std::uint32_t* entry = extra->keys->Find(UpperHash(key), [at](std::uint32_t slot) { return slot == at; });
    const std::size_t next = Scan(arena, key, at + 1);
    if (next == kNone)
        extra->keys->Remove(entry);
    else
        *entry = static_cast<std::uint32_t>(next);
    return true;
}

void IniSection::Erase(LineArena& arena) {
    for (LineRef& line : Slots(arena)) LineArena::Delete(line);
    nameSize_ = 0;
    fileCount_ = 0;
    if (SectionExtra* extra = Extra(arena)) *extra = SectionExtra{};
}

std::vector<std::string> IniSection::KeyNames(const LineArena& arena) const {
    std::vector<std::string> keys;
    for (const LineRef& line : Lines(arena))
        if (!line.Deleted()) keys.emplace_back(arena.Key(line));
    return keys;
}

IniSection::Copy IniSection::Save(const LineArena& arena) const {
    Copy copy{std::string(Name(arena)), {}, {}};
    for (const LineRef& line : Lines(arena)) {
        copy.lines.emplace_back(line.Deleted() ? std::string_view() : arena.Text(line));
        copy.keySizes.push_back(line.keySize);
    }
    return copy;
}

void IniSection::Restore(LineArena& arena, const Copy& copy) {
    const LineRef name = copy.name.empty() ? LineRef{} : arena.AddText(copy.name);
    nameWhere_ = name.where;
    nameSize_ = name.size;
    SectionExtra& extra = OwnExtra(arena);
    extra = SectionExtra{};
    extra.own.emplace();
    for (std::size_t i = 0; i < copy.lines.size(); ++i) {
        const std::string_view line = copy.lines[i];
        extra.own->push_back(
            line.empty() ? LineRef{} : arena.Add(line.substr(0, copy.keySizes[i]), line.substr(copy.keySizes[i] + 1)));
    }
    IndexFrom(arena, 0);
}

std::size_t IniSection::Find(const LineArena& arena, std::string_view key) const {
    const SectionExtra* extra = Extra(arena);
    if (!extra || !extra->keys) return Scan(arena, key, 0);
    const std::span<const LineRef> lines = Lines(arena);
    const std::uint32_t* slot =
        extra->keys->Find(UpperHash(key), [&](std::uint32_t s) { return SameName(arena.Key(lines[s]), key); });
    return slot ? *slot : kNone;
}

std::size_t IniSection::Scan(const LineArena& arena, std::string_view key, std::size_t from) const {
    const std::span<const LineRef> lines = Lines(arena);
    for (std::size_t i = from; i < lines.size(); ++i)
        if (HasKey(arena, lines[i], key)) return i;
    return kNone;
}

// Indexes the slots from `slot` on, or all of them once the section has grown long enough.
void IniSection::IndexFrom(LineArena& arena, std::size_t slot) {
    if (Lines(arena).size() < kIndexFrom && !(Extra(arena) && Extra(arena)->keys)) return;
    SectionExtra& extra = OwnExtra(arena);
    if (!extra.keys) {
        extra.keys.emplace();
        slot = 0;
    }
    const std::span<const LineRef> lines = Lines(arena);
    extra.keys->Reserve(lines.size());
    for (; slot < lines.size(); ++slot) {
        if (lines[slot].Deleted()) continue;
        const std::string_view key = arena.Key(lines[slot]);
        const std::uint64_t hash = UpperHash(key);
        const auto sameKey = [&](std::uint32_t s) { return SameName(arena.Key(lines[s]), key); };
        if (!extra.keys->Find(hash, sameKey)) extra.keys->Insert(hash, static_cast<std::uint32_t>(slot));
    }
}

} // namespace mcb

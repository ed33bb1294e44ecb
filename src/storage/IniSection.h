// One section of the key/value engine: its name and its key lines in file order. A line is stored
// whole ("key=value"); a deleted line keeps its slot as an empty text so that the order of the
// others never changes. The first line whose key matches (ignoring letter case) wins; long sections
// keep an index of their keys so that lookups stay fast in lists of thousands of entries.
#pragma once

#include "storage/UpperHash.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace mcb {

class IniSection {
public:
    explicit IniSection(std::string name);

    const std::string& Name() const { return name_; }
    // Every slot in order; deleted slots are empty.
    const std::vector<std::string>& Lines() const { return lines_; }

    // Value of the first line with this key; nothing when there is none.
    std::optional<std::string_view> Value(std::string_view key) const;
    // Replaces the value of the first line with this key, keeping the stored key text, or appends
    // "key=value" when there is none.
    void SetValue(std::string_view key, std::string_view value);
    // Appends a line as read from a file; it must contain '='.
    void AppendLine(std::string line);
    // Empties the slot of the first line with this key; false when there is none.
    bool DeleteKey(std::string_view key);
    // Erasing keeps the slot: the name becomes empty and every line goes.
    void Erase();

    // Keys of the live lines in order, duplicates included.
    std::vector<std::string> KeyNames() const;

private:
    using LineNumbers = std::vector<std::uint32_t>; // ascending
    using KeyIndex = std::unordered_map<std::string, LineNumbers, UpperHash, UpperEqual>;

    static constexpr std::size_t kIndexFrom = 24; // shorter sections are scanned

    static constexpr std::size_t kNone = static_cast<std::size_t>(-1);
    std::size_t Find(std::string_view key) const;
    std::size_t Scan(std::string_view key) const;
    void AddToIndex(std::size_t lineNumber);
    void IndexLine(std::size_t lineNumber);

    std::string name_;
    std::vector<std::string> lines_;
    std::unique_ptr<KeyIndex> index_;
};

// Key of a stored line: the text before its first '='.
std::string_view KeyOfLine(std::string_view line);

} // namespace mcb

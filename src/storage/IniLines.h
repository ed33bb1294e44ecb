// Storage of the key lines of the key/value engine. The file is kept as read, and the slots of the
// lines read from it refer to their bytes there and lie in one table in file order, so loading a
// large catalogue allocates almost nothing per line. Lines created or changed later get a buffer
// of their own, which later changes reuse.
#pragma once

#include "storage/BigBlock.h"
#include "storage/WholeFile.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace mcb {

// One key line slot: where its bytes are, how long it is and how long its key is (the text before
// the first '='). An empty slot is a deleted line.
struct LineRef {
    std::uint64_t where = 0; // twice the offset into the file text, or twice the number of an own buffer plus one
    std::uint32_t size = 0;
    std::uint32_t keySize = 0;

    bool Deleted() const { return size == 0; }
    bool Owned() const { return (where & 1) != 0; }
    std::size_t Place() const { return static_cast<std::size_t>(where >> 1); }
};

class LineArena {
public:
    // The file text; a missing or unreadable file gives the empty text. `identity` learns which file
    // was read.
    ReadState ReadText(const std::string& path, FileIdentity* identity = nullptr);
    void AssignText(std::string_view text);
    std::string_view FileText() const { return {fileText_.data(), fileText_.size()}; }

    // Slots of the lines read from the file, in file order; sections own ranges of them.
    BigVector<LineRef>& FileLines() { return fileLines_; }
    const BigVector<LineRef>& FileLines() const { return fileLines_; }

    std::string_view Text(const LineRef& line) const;
    std::string_view Key(const LineRef& line) const { return Text(line).substr(0, line.keySize); }
    std::string_view Value(const LineRef& line) const { return Text(line).substr(line.keySize + 1); }

    // A line of the file text; `keySize` is the position of its first '='.
    static LineRef FromFile(std::size_t offset, std::size_t size, std::size_t keySize);
    // A new line "key=value".
    LineRef Add(std::string_view key, std::string_view value);
    // Gives the line a new value, keeping its key text.
    void SetValue(LineRef& line, std::string_view value);
    void Delete(LineRef& line);

private:
    BigVector<char> fileText_;
    BigVector<LineRef> fileLines_;
    std::vector<std::string> own_;
};

} // namespace mcb

#include "storage/IniLines.h"

#include "storage/WholeFile.h"

#include <limits>
#include <stdexcept>

namespace mcb {

namespace {

std::uint32_t CheckedSize(std::size_t size) {
    if (size > std::numeric_limits<std::uint32_t>::max()) throw std::length_error("key line too long");
    return static_cast<std::uint32_t>(size);
}

} // namespace

ReadState LineArena::ReadText(const std::string& path, FileIdentity* identity) {
    const auto buffer = [this](std::size_t size) {
        fileText_.resize(size);
        return fileText_.data();
    };
    const ReadState state = ReadWholeFileInto(path, buffer, identity);
    if (state != ReadState::Read) fileText_.clear();
    return state;
}

void LineArena::AssignText(std::string_view text) {
    fileText_.assign(text.begin(), text.end());
}

std::string_view LineArena::Text(const LineRef& line) const {
    if (line.Owned()) return own_[line.Place()];
    return FileText().substr(line.Place(), line.size);
}

LineRef LineArena::FromFile(std::size_t offset, std::size_t size, std::size_t keySize) {
    return LineRef{std::uint64_t(offset) << 1, CheckedSize(size), CheckedSize(keySize)};
}

LineRef LineArena::Add(std::string_view key, std::string_view value) {
    std::string& text = own_.emplace_back();
    text.reserve(key.size() + 1 + value.size());
    text.append(key).append(1, '=').append(value);
    // A key holding '=' is cut at it, as it would be when the file is read back.
    const std::size_t keySize = text.find('=');
    return LineRef{(std::uint64_t(own_.size() - 1) << 1) | 1, CheckedSize(text.size()), CheckedSize(keySize)};
}

void LineArena::SetValue(LineRef& line, std::string_view value) {
    if (!line.Owned()) {
        line = Add(Key(line), value);
        return;
    }
    std::string& text = own_[line.Place()];
    text.resize(line.keySize + 1);
    text.append(value);
    line.size = CheckedSize(text.size());
}

void LineArena::Delete(LineRef& line) {
    if (line.Owned()) std::string().swap(own_[line.Place()]);
    line.size = 0;
}

} // namespace mcb

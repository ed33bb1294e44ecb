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
    BigVector<char>& file = texts_->file;
    const auto buffer = [&file](std::size_t size) {
        file.resize(size);
        return file.data();
    };
    const ReadState state = ReadWholeFileInto(path, buffer, identity);
    if (state != ReadState::Read) file.clear();
    return state;
}

void LineArena::AssignText(std::string_view text) {
    texts_->file.assign(text.begin(), text.end());
}

std::string_view LineArena::Text(const LineRef& line) const {
    if (line.Owned()) return texts_->own[line.Place()];
    return FileText().substr(line.Place(), line.size);
}

LineRef LineArena::FromFile(std::size_t offset, std::size_t size, std::size_t keySize) {
    return LineRef{std::uint64_t(offset) << 1, CheckedSize(size), CheckedSize(keySize)};
}

LineRef LineArena::Add(std::string_view key, std::string_view value) {
    std::deque<std::string>& own = texts_->own;
    std::string& text = own.emplace_back();
    text.reserve(key.size() + 1 + value.size());
    text.append(key).append(1, '=').append(value);
    // A key holding '=' is cut at it, as it would be when the file is read back.
    const std::size_t keySize = text.find('=');
    return LineRef{(std::uint64_t(own.size() - 1) << 1) | 1, CheckedSize(text.size()), CheckedSize(keySize)};
}

LineRef LineArena::AddText(std::string_view text) {
    std::deque<std::string>& own = texts_->own;
    own.emplace_back(text);
    return LineRef{(std::uint64_t(own.size() - 1) << 1) | 1, CheckedSize(text.size()), CheckedSize(text.size())};
}

std::uint32_t LineArena::NewExtra() {
    extras_.emplace_back();
    return static_cast<std::uint32_t>(extras_.size() - 1);
}

void LineArena::SetValue(LineRef& line, std::string_view value) {
    line = Add(Key(line), value);
}

} // namespace mcb

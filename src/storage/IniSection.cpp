#include "storage/IniSection.h"

#include <utility>

namespace mcb {

std::string_view KeyOfLine(std::string_view line) {
    return line.substr(0, line.find('='));
}

IniSection::IniSection(std::string name) : name_(std::move(name)) {}

std::optional<std::string_view> IniSection::Value(std::string_view key) const {
    const std::size_t at = Find(key);
    if (at == kNone) return std::nullopt;
    return std::string_view(lines_[at]).substr(key.size() + 1);
}

void IniSection::SetValue(std::string_view key, std::string_view value) {
    const std::size_t at = Find(key);
    if (at == kNone) {
        std::string line;
        line.reserve(key.size() + 1 + value.size());
        line.append(key).append(1, '=').append(value);
        lines_.push_back(std::move(line));
        AddToIndex(lines_.size() - 1);
        return;
    }
    std::string& line = lines_[at];
    line.resize(key.size() + 1); // the stored key keeps its letter case
    line.append(value);
}

void IniSection::AppendLine(std::string line) {
    lines_.push_back(std::move(line));
    AddToIndex(lines_.size() - 1);
}

bool IniSection::DeleteKey(std::string_view key) {
    const std::size_t at = Find(key);
    if (at == kNone) return false;
    if (index_) {
        auto entry = index_->find(key);
        entry->second.erase(entry->second.begin()); // the first match is the one being deleted
        if (entry->second.empty()) index_->erase(entry);
    }
    lines_[at].clear();
    return true;
}

void IniSection::Erase() {
    name_.clear();
    lines_.clear();
    lines_.shrink_to_fit();
    index_.reset();
}

std::vector<std::string> IniSection::KeyNames() const {
    std::vector<std::string> keys;
    for (const std::string& line : lines_)
        if (!line.empty()) keys.emplace_back(KeyOfLine(line));
    return keys;
}

std::size_t IniSection::Find(std::string_view key) const {
    // A stored key never contains '=', so such a key can never match.
    if (key.find('=') != std::string_view::npos) return kNone;
    if (!index_) return Scan(key);
    const auto entry = index_->find(key);
    return entry == index_->end() ? kNone : entry->second.front();
}

std::size_t IniSection::Scan(std::string_view key) const {
    const std::size_t n = key.size();
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const std::string& line = lines_[i];
        // Cheap checks first: the line's first '=' must sit right after a key of the same length.
        if (line.size() > n && line[n] == '=' && EqualsUpper(std::string_view(line).substr(0, n), key)) return i;
    }
    return kNone;
}

void IniSection::AddToIndex(std::size_t lineNumber) {
    if (!index_) {
        if (lines_.size() < kIndexFrom) return;
        index_ = std::make_unique<KeyIndex>();
        for (std::size_t i = 0; i < lines_.size(); ++i)
            if (!lines_[i].empty()) IndexLine(i);
        return;
    }
    IndexLine(lineNumber);
}

void IniSection::IndexLine(std::size_t lineNumber) {
    const std::string_view key = KeyOfLine(lines_[lineNumber]);
    auto entry = index_->find(key);
    if (entry == index_->end()) entry = index_->emplace(std::string(key), LineNumbers{}).first;
    entry->second.push_back(static_cast<std::uint32_t>(lineNumber));
}

} // namespace mcb

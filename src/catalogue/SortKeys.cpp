#include "catalogue/SortKeys.h"

#include "catalogue/TableSort.h"
#include "storage/Cp1251.h"

#include <limits>
#include <stdexcept>

namespace mcb {

namespace {

uint32_t Checked(std::size_t size) {
    if (size > std::numeric_limits<uint32_t>::max()) throw std::length_error("sort texts too long");
    return uint32_t(size);
}

} // namespace

void SortKeyTexts::Append(std::string_view text) {
    const auto& ranks = SortRankTable();
    for (char c : text) buffer_.push_back(static_cast<char>(ranks[static_cast<unsigned char>(c)]));
}

// The first eight bytes as a big-endian number (zero-padded): ordering these numbers agrees with
// ordering the texts by their unsigned bytes wherever they differ.
uint64_t SortKeyTexts::Prefix(uint32_t offset, uint32_t length) const {
    uint64_t prefix = 0;
    for (uint32_t k = 0; k < 8; ++k)
        prefix = prefix << 8 | (k < length ? static_cast<unsigned char>(buffer_[offset + k]) : 0u);
    return prefix;
}

RowKey SortKeyTexts::Make(std::string_view title, std::string_view titleTail, std::string_view sortCell) {
    RowKey key;
    key.titleOffset = Checked(buffer_.size());
    Append(title);
    Append(titleTail);
    key.titleLength = Checked(buffer_.size() - key.titleOffset);
    key.titlePrefix = Prefix(key.titleOffset, key.titleLength);
    if (sortOrder_ == kDurationColumn) {
        key.primaryPrefix = uint64_t(SortNumber(std::string(sortCell))) ^ (1ull << 63);
    } else if (sortOrder_ != kTitleColumn) {
        key.primaryOffset = Checked(buffer_.size());
        Append(sortCell);
        key.primaryLength = Checked(buffer_.size() - key.primaryOffset);
        key.primaryPrefix = Prefix(key.primaryOffset, key.primaryLength);
    }
    return key;
}

int SortKeyTexts::Compare(const RowKey& a, const RowKey& b) const {
    if (a.primaryPrefix != b.primaryPrefix) return a.primaryPrefix < b.primaryPrefix ? -1 : 1;
    if (!WholePrimaryInPrefix())
        if (int c = View(a.primaryOffset, a.primaryLength).compare(View(b.primaryOffset, b.primaryLength)); c != 0)
            return c;
    if (a.titlePrefix != b.titlePrefix) return a.titlePrefix < b.titlePrefix ? -1 : 1;
    return View(a.titleOffset, a.titleLength).compare(View(b.titleOffset, b.titleLength));
}

void SortKeyTexts::Compact(std::vector<RowKey*> keys) {
    std::string kept;
    const auto move = [&](uint32_t& offset, uint32_t length) {
        const uint32_t from = offset;
        offset = Checked(kept.size());
        kept.append(buffer_, from, length);
    };
    for (RowKey* key : keys) {
        move(key->titleOffset, key->titleLength);
        move(key->primaryOffset, key->primaryLength);
    }
    buffer_ = std::move(kept);
}

} // namespace mcb

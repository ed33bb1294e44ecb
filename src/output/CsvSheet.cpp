#include "output/CsvSheet.h"

#include "storage/Literal.h"
#include "storage/TextCodec.h"
#include "storage/WholeFile.h"

#include <array>
#include <sys/stat.h>

namespace mcb {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::array<char, 3> kDelimiters = {'\t', ';', ','};

// Length of the UTF-8 sequence a lead byte opens, 0 for a byte that opens none.
int SequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 0;
}

class CsvParser {
public:
    CsvParser(std::string_view text, SheetCollector& collector)
        : text_(text), collector_(collector), delimiter_(DetectDelimiter(text)) {}

    void Run() {
        while (at_ < text_.size() && collector_.Error().empty()) Record();
    }

private:
    void Record() {
        ++row_;
        for (std::size_t column = 1;; ++column) {
            const bool more = Field(column);
            if (!collector_.Put(row_, column, std::move(field_)) || !more) return;
            field_.clear();
        }
    }

    // Reads one field into field_; true when another field of the record follows.
    bool Field(std::size_t column) {
        const bool quoted = at_ < text_.size() && text_[at_] == '"';
        if (quoted) ++at_;
        bool inQuotes = quoted;
        while (at_ < text_.size()) {
            const char c = text_[at_++];
            if (inQuotes && c == '"') {
                if (at_ < text_.size() && text_[at_] == '"') {
                    field_ += '"';
                    ++at_;
                } else {
                    inQuotes = false;
                }
                continue;
            }
            if (!inQuotes && c == delimiter_) return true;
            if (!inQuotes && (c == '\n' || c == '\r')) {
                if (c == '\r' && at_ < text_.size() && text_[at_] == '\n') ++at_;
                return false;
            }
            field_ += c;
            if (field_.size() > collector_.Limits().maxCellChars * 4) return collector_.FailTooLong(row_, column);
        }
        return false;
    }

    std::string_view text_;
    SheetCollector& collector_;
    char delimiter_;
    std::size_t at_ = 0;
    std::size_t row_ = 0;
    std::string field_;
};

} // namespace

bool IsUtf8(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size();) {
        const int length = SequenceLength(static_cast<unsigned char>(bytes[i]));
        if (length == 0 || i + std::size_t(length) > bytes.size()) return false;
        for (int k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(bytes[i + std::size_t(k)]) & 0xC0) != 0x80) return false;
        i += std::size_t(length);
    }
    return true;
}

char DetectDelimiter(std::string_view text) {
    std::array<std::size_t, kDelimiters.size()> counts{};
    bool inQuotes = false;
    for (const char c : text) {
        if (c == '"') inQuotes = !inQuotes;
        if (inQuotes) continue;
        if (c == '\n' || c == '\r') break;
        for (std::size_t d = 0; d < kDelimiters.size(); ++d) counts[d] += c == kDelimiters[d];
    }
    std::size_t best = 0;
    for (std::size_t d = 1; d < kDelimiters.size(); ++d)
        if (counts[d] > counts[best]) best = d;
    return counts[best] ? kDelimiters[best] : ',';
}

SheetRead ParseCsv(std::string_view bytes, const SheetLimits& limits) {
    SheetCollector collector(limits);
    // A file that is not valid UTF-8 is taken for Windows-1251, where every byte is a character, even
    // after a byte order mark, which some programs put before any encoding. UTF-8 is read in place: a
    // large file is not copied.
    if (bytes.starts_with(kByteOrderMark)) bytes.remove_prefix(kByteOrderMark.size());
    if (IsUtf8(bytes)) {
        CsvParser(bytes, collector).Run();
    } else {
        const std::string text = Utf8FromCp1251(bytes);
        CsvParser(text, collector).Run();
    }
    return collector.Take();
}

SheetRead ReadCsvSheet(const std::string& path, const SheetLimits& limits) {
    struct stat info {};
    SheetRead refused;
    if (::stat(path.c_str(), &info) == 0 && std::uint64_t(info.st_size) > limits.maxPartBytes) {
        refused.error = W("файл больше ") + std::to_string(limits.maxPartBytes >> 20) + W(" МБ");
        return refused;
    }
    const std::optional<std::string> bytes = ReadWholeFile(path);
    if (!bytes) {
        refused.error = W("файл не удалось прочитать");
        return refused;
    }
    return ParseCsv(*bytes, limits);
}

} // namespace mcb

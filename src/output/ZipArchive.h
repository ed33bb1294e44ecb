// Reading back the entries of a zip file, stored or deflated: enough to check that a workbook was
// written completely.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mcb {

class ZipArchive {
public:
    struct Entry {
        std::string name;
        std::uint16_t method = 0; // 0 stored, 8 deflated
        std::uint32_t crc = 0;
        std::uint64_t compressedSize = 0;
        std::uint64_t size = 0;
        std::uint64_t localHeader = 0; // offset of the entry's local header
    };

    // Reads the central directory; nothing when the file cannot be read or is no zip file. Archives
    // in the zip64 form or spanning several files are not understood.
    static std::optional<ZipArchive> Open(const std::string& path);

    ZipArchive(ZipArchive&& other) noexcept;
    ZipArchive& operator=(ZipArchive&&) = delete;
    ~ZipArchive();

    const std::vector<Entry>& Entries() const { return entries_; }
    const Entry* Find(std::string_view name) const;

    // Hands the entry's content to `sink` piece by piece; a sink returning false stops the reading.
    // False when stopped or when the data is damaged: it does not inflate, or its size or checksum
    // differs from the directory's. Inflating stops as soon as more comes out than the directory
    // says, so a forged size cannot make it run on.
    bool Read(const Entry& entry, const std::function<bool(std::string_view)>& sink) const;
    // The whole content, nothing when damaged.
    std::optional<std::string> ReadAll(const Entry& entry) const;

private:
    explicit ZipArchive(int fd) : fd_(fd) {}
    bool ReadDirectory();
    bool ReadAt(std::uint64_t offset, std::size_t size, std::string& bytes) const;
    std::optional<std::uint64_t> DataOffset(const Entry& entry) const;

    int fd_ = -1;
    std::uint64_t fileSize_ = 0;
    std::vector<Entry> entries_;
};

} // namespace mcb

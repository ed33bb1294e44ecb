#include "output/ZipArchive.h"

#include <algorithm>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zlib.h>

namespace mcb {

namespace {

constexpr std::uint32_t kEndSignature = 0x06054b50;
constexpr std::uint32_t kCentralSignature = 0x02014b50;
constexpr std::uint32_t kLocalSignature = 0x04034b50;
constexpr std::size_t kEndSize = 22;
constexpr std::size_t kCentralSize = 46;
constexpr std::size_t kLocalSize = 30;
constexpr std::size_t kMaxComment = 0xFFFF;
constexpr std::size_t kChunk = 1 << 16;

std::uint32_t Le(std::string_view bytes, std::size_t at, int width) {
    std::uint32_t value = 0;
    for (int i = width - 1; i >= 0; --i) value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

// Inflates raw deflate data arriving in pieces; counts and checksums what comes out.
class Inflater {
public:
    Inflater() { started_ = inflateInit2(&stream_, -MAX_WBITS) == Z_OK; }
    ~Inflater() {
        if (started_) inflateEnd(&stream_);
    }
    Inflater(const Inflater&) = delete;
    Inflater& operator=(const Inflater&) = delete;

    bool Feed(std::string_view in, const std::function<bool(std::string_view)>& sink, std::uint64_t limit,
              std::uint64_t& size, std::uint32_t& crc) {
        stream_.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(in.data()));
        stream_.avail_in = static_cast<uInt>(in.size());
        char out[kChunk];
        if (!started_) return false;
        do {
            stream_.next_out = reinterpret_cast<Bytef*>(out);
            stream_.avail_out = sizeof out;
            const int status = inflate(&stream_, Z_NO_FLUSH);
            if (status != Z_OK && status != Z_STREAM_END && status != Z_BUF_ERROR) return false;
            finished_ = status == Z_STREAM_END;
            const std::size_t produced = sizeof out - stream_.avail_out;
            size += produced;
            if (size > limit) return false;
            crc = static_cast<std::uint32_t>(::crc32(crc, reinterpret_cast<const Bytef*>(out), uInt(produced)));
            if (produced && !sink(std::string_view(out, produced))) return false;
        } while (!finished_ && stream_.avail_out == 0);
        return true;
    }
    bool Finished() const { return finished_; }

private:
    z_stream stream_{};
    bool started_ = false;
    bool finished_ = false;
};

} // namespace

std::optional<ZipArchive> ZipArchive::Open(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    ZipArchive archive(fd);
    if (!archive.ReadDirectory()) return std::nullopt;
    return archive;
}

ZipArchive::ZipArchive(ZipArchive&& other) noexcept
    : fd_(other.fd_), fileSize_(other.fileSize_), entries_(std::move(other.entries_)) {
    other.fd_ = -1;
}

ZipArchive::~ZipArchive() {
    if (fd_ >= 0) ::close(fd_);
}

const ZipArchive::Entry* ZipArchive::Find(std::string_view name) const {
    const auto found = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) { return e.name == name; });
    return found == entries_.end() ? nullptr : &*found;
}

bool ZipArchive::ReadAt(std::uint64_t offset, std::size_t size, std::string& bytes) const {
    if (offset > fileSize_ || size > fileSize_ - offset) return false;
    bytes.resize(size);
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::pread(fd_, bytes.data() + done, size - done, off_t(offset + done));
        if (n <= 0) return false;
        done += std::size_t(n);
    }
    return true;
}

// The end record is the last 22 bytes unless the archive has a comment; search back over at most
// the longest comment.
bool ZipArchive::ReadDirectory() {
    struct stat info {};
    if (::fstat(fd_, &info) != 0 || !S_ISREG(info.st_mode) || std::uint64_t(info.st_size) < kEndSize) return false;
    fileSize_ = std::uint64_t(info.st_size);
    const std::size_t tail = std::size_t(std::min<std::uint64_t>(fileSize_, kEndSize + kMaxComment));
    std::string bytes;
    if (!ReadAt(fileSize_ - tail, tail, bytes)) return false;
    std::size_t end = tail - kEndSize;
    while (Le(bytes, end, 4) != kEndSignature)
        if (end-- == 0) return false;
    if (Le(bytes, end + 4, 2) != 0 || Le(bytes, end + 6, 2) != 0) return false; // one file only
    const std::uint32_t count = Le(bytes, end + 10, 2);
    std::string directory;
    if (!ReadAt(Le(bytes, end + 16, 4), Le(bytes, end + 12, 4), directory)) return false;
    for (std::size_t at = 0; entries_.size() < count;) {
        if (at + kCentralSize > directory.size() || Le(directory, at, 4) != kCentralSignature) return false;
        const std::size_t nameLength = Le(directory, at + 28, 2);
        const std::size_t skip = nameLength + Le(directory, at + 30, 2) + Le(directory, at + 32, 2);
        if (at + kCentralSize + skip > directory.size()) return false;
        entries_.push_back({directory.substr(at + kCentralSize, nameLength), std::uint16_t(Le(directory, at + 10, 2)),
                            Le(directory, at + 16, 4), Le(directory, at + 20, 4), Le(directory, at + 24, 4),
                            Le(directory, at + 42, 4)});
        at += kCentralSize + skip;
    }
    return true;
}

std::optional<std::uint64_t> ZipArchive::DataOffset(const Entry& entry) const {
    std::string local;
    if (!ReadAt(entry.localHeader, kLocalSize, local) || Le(local, 0, 4) != kLocalSignature) return std::nullopt;
    const std::uint64_t offset = entry.localHeader + kLocalSize + Le(local, 26, 2) + Le(local, 28, 2);
    if (offset > fileSize_ || entry.compressedSize > fileSize_ - offset) return std::nullopt;
    return offset;
}

bool ZipArchive::Read(const Entry& entry, const std::function<bool(std::string_view)>& sink) const {
    const std::optional<std::uint64_t> offset = DataOffset(entry);
    if (!offset || (entry.method != 0 && entry.method != 8)) return false;
    Inflater inflater;
    std::uint64_t size = 0;
    std::uint32_t crc = 0;
    std::string chunk;
    for (std::uint64_t done = 0; done < entry.compressedSize; done += chunk.size()) {
        const std::size_t n = std::size_t(std::min<std::uint64_t>(kChunk, entry.compressedSize - done));
        if (!ReadAt(*offset + done, n, chunk)) return false;
        if (entry.method == 0) {
            size += n;
            crc = static_cast<std::uint32_t>(::crc32(crc, reinterpret_cast<const Bytef*>(chunk.data()), uInt(n)));
            if (!sink(chunk)) return false;
        } else if (!inflater.Feed(chunk, sink, entry.size, size, crc)) {
            return false;
        }
    }
    const bool complete = entry.method == 0 || inflater.Finished();
    return complete && size == entry.size && crc == entry.crc;
}

std::optional<std::string> ZipArchive::ReadAll(const Entry& entry) const {
    std::string content;
    if (!Read(entry, [&](std::string_view piece) {
            content.append(piece);
            return true;
        }))
        return std::nullopt;
    return content;
}

} // namespace mcb

// Writes small zip files by hand, so that tests can build workbooks a spreadsheet writer never
// would: damaged parts, forged sizes, parts that expand enormously.
#pragma once

#include <cstdint>
#include <fstream>
#include <optional>
#include <string>
#include <vector>
#include <zlib.h>

namespace mcb::test {

struct ZipPart {
    ZipPart(std::string n, std::string c, bool d = false, std::optional<std::uint32_t> s = std::nullopt)
        : name(std::move(n)), content(std::move(c)), deflate(d), statedSize(s) {}

    std::string name;
    std::string content;
    bool deflate = false;
    std::optional<std::uint32_t> statedSize; // the size the directory claims, when not the true one
};

inline std::string Deflated(const std::string& data) {
    z_stream stream{};
    deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
    std::string out(deflateBound(&stream, uLong(data.size())), '\0');
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
    stream.avail_in = uInt(data.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = uInt(out.size());
    deflate(&stream, Z_FINISH);
    out.resize(stream.total_out);
    deflateEnd(&stream);
    return out;
}

inline void PutLe(std::string& out, std::uint32_t value, int width) {
    for (int i = 0; i < width; ++i) out += char(value >> (8 * i) & 0xFF);
}

inline void WriteZip(const std::string& path, const std::vector<ZipPart>& parts) {
    std::string file, directory;
    for (const ZipPart& part : parts) {
        const std::string data = part.deflate ? Deflated(part.content) : part.content;
        const auto crc =
            std::uint32_t(crc32(0, reinterpret_cast<const Bytef*>(part.content.data()), uInt(part.content.size())));
        const std::uint32_t size = part.statedSize.value_or(std::uint32_t(part.content.size()));
        const auto offset = std::uint32_t(file.size());
        auto header = [&](std::string& out, bool central) {
            PutLe(out, central ? 0x02014b50 : 0x04034b50, 4);
            if (central) PutLe(out, 20, 2);
            PutLe(out, 20, 2);
            PutLe(out, 0, 2);
            PutLe(out, part.deflate ? 8 : 0, 2);
            PutLe(out, 0, 4); // time and date
            PutLe(out, crc, 4);
            PutLe(out, std::uint32_t(data.size()), 4);
            PutLe(out, size, 4);
            PutLe(out, std::uint32_t(part.name.size()), 2);
            PutLe(out, 0, 2);
            if (central) {
                PutLe(out, 0, 4); // comment length, disk
                PutLe(out, 0, 2);
                PutLe(out, 0, 4); // attributes
                PutLe(out, offset, 4);
            }
            out += part.name;
        };
        header(file, false);
        file += data;
        header(directory, true);
    }
    const auto directoryOffset = std::uint32_t(file.size());
    file += directory;
    PutLe(file, 0x06054b50, 4);
    PutLe(file, 0, 4);
    PutLe(file, std::uint32_t(parts.size()), 2);
    PutLe(file, std::uint32_t(parts.size()), 2);
    PutLe(file, std::uint32_t(directory.size()), 4);
    PutLe(file, directoryOffset, 4);
    PutLe(file, 0, 2);
    std::ofstream(path, std::ios::binary) << file;
}

} // namespace mcb::test

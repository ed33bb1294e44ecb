// What decoding a JPEG file will cost, read from the markers before its first scan. A progressive
// JPEG (or one whose components come in separate scans) keeps every coefficient of the whole picture
// until its last scan, however small the picture is shown, so that a small file can claim gigabytes;
// a JPEG in one scan is decoded row by row, cheaply at a reduced size.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>

namespace mcb {

struct JpegLayout {
    int width = 0;
    int height = 0;
    int components = 0;
    bool wholeImageBuffered = false;
    unsigned long long coefficientBytes = 0; // held while decoding when wholeImageBuffered
};

// Gives at most `size` bytes of the file from `offset` (fewer at its end).
using ReadAt = std::function<std::string(unsigned long long offset, std::size_t size)>;

// Nothing when the bytes are no JPEG, its frame is damaged or none comes before the first scan, or
// more markers come first than any real file has.
std::optional<JpegLayout> ReadJpegLayout(const ReadAt& read);

} // namespace mcb

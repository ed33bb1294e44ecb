#include "discs/JpegLayout.h"

#include <algorithm>

namespace mcb {

namespace {

constexpr int kMostSegments = 1024; // a real file has a few dozen before its first scan
constexpr int kMostComponents = 10;
constexpr unsigned long long kBlockBytes = 64 * 2; // 64 coefficients of two bytes

unsigned Byte(const std::string& bytes, std::size_t i) {
    return static_cast<unsigned char>(bytes[i]);
}

unsigned Word(const std::string& bytes, std::size_t i) {
    return Byte(bytes, i) << 8 | Byte(bytes, i + 1);
}

bool IsFrame(unsigned marker) {
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

bool IsProgressive(unsigned marker) {
    return marker == 0xC2 || marker == 0xC6 || marker == 0xCA || marker == 0xCE;
}

bool StandsAlone(unsigned marker) {
    return marker == 0x01 || marker == 0xD8 || (marker >= 0xD0 && marker <= 0xD7);
}

unsigned long long Blocks(unsigned long long pixels, unsigned factor, unsigned most) {
    const unsigned long long blocks = (pixels * factor + most * 8 - 1) / (most * 8);
    return (blocks + factor - 1) / factor * factor; // rounded up to whole units of the component
}

struct Frame {
    JpegLayout layout;
    bool progressive = false;
};

// The frame header: precision, height, width, and per component its identifier, sampling factors
// and table; each component's coefficients fill whole blocks of 8 by 8.
std::optional<Frame> ReadFrame(const std::string& body, unsigned marker) {
    if (body.size() < 6) return std::nullopt;
    Frame frame;
    JpegLayout& layout = frame.layout;
    layout.height = int(Word(body, 1));
    layout.width = int(Word(body, 3));
    layout.components = int(Byte(body, 5));
    if (layout.width == 0 || layout.height == 0 || layout.components < 1 || layout.components > kMostComponents ||
        body.size() < 6 + 3 * std::size_t(layout.components))
        return std::nullopt;
    unsigned most[2] = {1, 1};
    unsigned factors[kMostComponents][2] = {};
    for (int c = 0; c < layout.components; ++c) {
        const unsigned sampling = Byte(body, 6 + 3 * std::size_t(c) + 1);
        factors[c][0] = sampling >> 4;
        factors[c][1] = sampling & 15;
        if (factors[c][0] < 1 || factors[c][0] > 4 || factors[c][1] < 1 || factors[c][1] > 4) return std::nullopt;
        most[0] = std::max(most[0], factors[c][0]);
        most[1] = std::max(most[1], factors[c][1]);
    }
    for (int c = 0; c < layout.components; ++c)
        layout.coefficientBytes += Blocks(unsigned(layout.width), factors[c][0], most[0]) *
                                   Blocks(unsigned(layout.height), factors[c][1], most[1]) * kBlockBytes;
    frame.progressive = IsProgressive(marker);
    return frame;
}

} // namespace

std::optional<JpegLayout> ReadJpegLayout(const ReadAt& read) {
    const std::string start = read(0, 2);
    if (start.size() < 2 || Byte(start, 0) != 0xFF || Byte(start, 1) != 0xD8) return std::nullopt;
    std::optional<Frame> frame;
    unsigned long long offset = 2;
    for (int segment = 0; segment < kMostSegments; ++segment) {
        const std::string head = read(offset, 4);
        if (head.size() < 2 || Byte(head, 0) != 0xFF) return std::nullopt;
        const unsigned marker = Byte(head, 1);
        if (marker == 0xFF || StandsAlone(marker)) { // a fill byte, or a marker without a length
            offset += marker == 0xFF ? 1 : 2;
            continue;
        }
        if (head.size() < 4 || Word(head, 2) < 2 || marker == 0xD9) return std::nullopt;
        const unsigned length = Word(head, 2);
        if (IsFrame(marker)) {
            if (frame) return std::nullopt; // one frame per picture
            frame = ReadFrame(read(offset + 4, length - 2), marker);
            if (!frame) return std::nullopt;
        } else if (marker == 0xDA) {
            const std::string scan = read(offset + 4, 1);
            if (!frame || scan.empty()) return std::nullopt;
            frame->layout.wholeImageBuffered = frame->progressive || int(Byte(scan, 0)) < frame->layout.components;
            return frame->layout;
        }
        offset += 2 + length;
    }
    return std::nullopt;
}

} // namespace mcb

// JPEG files made byte by byte for tests: the markers before the first scan, and a whole file that
// the decoder accepts (one scan of DC coefficients, all zero), so that a picture of any size costs a
// few hundred bytes on disc.
#pragma once

#include <string>
#include <vector>

namespace mcb::test {

struct JpegShape {
    int width = 16;
    int height = 16;
    std::vector<int> sampling = {0x11, 0x11, 0x11}; // per component: horizontal << 4 | vertical
    bool progressive = false;
    int scanComponents = -1; // in the first scan; -1: all of them
};

inline std::string Segment(unsigned marker, const std::string& body) {
    const std::size_t length = body.size() + 2;
    return std::string{char(0xFF), char(marker), char(length >> 8), char(length & 0xFF)} + body;
}

inline std::string FrameSegment(const JpegShape& shape) {
    std::string body{char(8),
                     char(shape.height >> 8),
                     char(shape.height & 0xFF),
                     char(shape.width >> 8),
                     char(shape.width & 0xFF),
                     char(shape.sampling.size())};
    for (std::size_t c = 0; c < shape.sampling.size(); ++c) body += {char(c + 1), char(shape.sampling[c]), char(0)};
    return Segment(shape.progressive ? 0xC2 : 0xC0, body);
}

inline std::string ScanSegment(const JpegShape& shape) {
    const int count = shape.scanComponents < 0 ? int(shape.sampling.size()) : shape.scanComponents;
    std::string body{char(count)};
    for (int c = 0; c < count; ++c) body += {char(c + 1), char(0)};
    // A baseline scan takes every coefficient, a progressive first scan only the DC ones.
    body += shape.progressive ? std::string{char(0), char(0), char(0)} : std::string{char(0), char(63), char(0)};
    return Segment(0xDA, body);
}

// A whole file; four components are marked as CMYK.
inline std::string JpegFile(const JpegShape& shape) {
    const std::string soi{char(0xFF), char(0xD8)};
    const std::string eoi{char(0xFF), char(0xD9)};
    const std::string adobe = shape.sampling.size() == 4
                                  ? Segment(0xEE, std::string("Adobe") + std::string{0, 100, 0, 0, 0, 0, 0})
                                  : std::string();
    const std::string quantisation = Segment(0xDB, std::string(1, char(0)) + std::string(64, char(1)));
    std::string huffman(1, char(0x00)); // DC table 0: one code of one bit, for "no difference"
    huffman += std::string{1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0} + std::string(1, char(0));
    std::string ac(1, char(0x10)); // AC table 0: one code, for "end of block"
    ac += std::string{1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0} + std::string(1, char(0));
    return soi + adobe + quantisation + FrameSegment(shape) + Segment(0xC4, huffman) + Segment(0xC4, ac) +
           ScanSegment(shape) + std::string(64, char(0)) + eoi;
}

} // namespace mcb::test

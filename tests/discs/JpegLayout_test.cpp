// The cost of decoding a JPEG, read from its markers: which files keep every coefficient of the
// whole picture, and how many bytes those take.
#include "discs/JpegLayout.h"
#include "support/JpegBytes.h"

#include <gtest/gtest.h>

namespace mcb::test {
namespace {

std::optional<JpegLayout> LayoutOf(const std::string& file) {
    return ReadJpegLayout([&file](unsigned long long offset, std::size_t size) {
        return offset >= file.size() ? std::string() : file.substr(std::size_t(offset), size);
    });
}

const std::string kSoi{char(0xFF), char(0xD8)};

TEST(JpegLayout, TellsWhatDecodingHolds) {
    const struct {
        const char* name;
        JpegShape shape;
        bool whole;
        unsigned long long bytes;
    } cases[] = {
        // 4:2:0: the brightness in 80 x 60 blocks, each colour in 40 x 30.
        {"one scan, 4:2:0", {640, 480, {0x22, 0x11, 0x11}, false, -1}, false, (80 * 60 + 2 * 40 * 30) * 128ULL},
        {"progressive", {640, 480, {0x22, 0x11, 0x11}, true, -1}, true, (80 * 60 + 2 * 40 * 30) * 128ULL},
        {"components in separate scans", {64, 64, {0x11, 0x11, 0x11}, false, 1}, true, 3 * 64 * 128ULL},
        {"progressive CMYK", {10000, 10000, {0x11, 0x11, 0x11, 0x11}, true, -1}, true, 4 * 1250 * 1250 * 128ULL},
        {"grey", {17, 9, {0x11}, true, -1}, true, 3 * 2 * 128ULL}, // partial blocks count whole
        // Sampled 2 x 1: 7 pixels make one block of the brightness at full width, rounded up to 2.
        {"odd size, 4:2:2", {7, 8, {0x21, 0x11, 0x11}, true, -1}, true, (2 * 1 + 1 + 1) * 128ULL},
    };
    for (const auto& c : cases) {
        const auto layout = LayoutOf(JpegFile(c.shape));
        ASSERT_TRUE(layout) << c.name;
        EXPECT_EQ(layout->width, c.shape.width) << c.name;
        EXPECT_EQ(layout->height, c.shape.height) << c.name;
        EXPECT_EQ(layout->components, int(c.shape.sampling.size())) << c.name;
        EXPECT_EQ(layout->wholeImageBuffered, c.whole) << c.name;
        EXPECT_EQ(layout->coefficientBytes, c.bytes) << c.name;
    }
}

TEST(JpegLayout, SkipsWhatComesBeforeTheFrame) {
    const JpegShape shape{100, 50, {0x11}, true, -1};
    const std::string fill{char(0xFF), char(0xFF)};
    const std::string restart{char(0xFF), char(0xD0)};
    const std::string file = kSoi + Segment(0xE1, std::string(60000, 'x')) + fill + Segment(0xFE, "comment") + restart +
                             FrameSegment(shape) + ScanSegment(shape);
    const auto layout = LayoutOf(file);
    ASSERT_TRUE(layout);
    EXPECT_EQ(layout->width, 100);
    EXPECT_TRUE(layout->wholeImageBuffered);
}

TEST(JpegLayout, RefusesWhatNoDecoderWouldShow) {
    const JpegShape shape;
    const std::string frame = FrameSegment(shape);
    const std::string scan = ScanSegment(shape);
    std::string comments;
    for (int i = 0; i < 2000; ++i) comments += Segment(0xFE, "");
    const struct {
        const char* name;
        std::string file;
    } cases[] = {
        {"no JPEG", "\x89PNG\r\n\x1A\n"},
        {"empty", ""},
        {"scan before the frame", kSoi + scan + frame},
        {"end before the scan", kSoi + frame + std::string{char(0xFF), char(0xD9)}},
        {"two frames", kSoi + frame + frame + scan},
        {"frame cut off", kSoi + frame.substr(0, 10)},
        {"no scan", kSoi + frame},
        {"height 0", kSoi + FrameSegment({16, 0, {0x11}, false, -1}) + scan},
        {"sampling 0", kSoi + FrameSegment({16, 16, {0x01}, false, -1}) + scan},
        {"too many components", kSoi + FrameSegment({16, 16, std::vector<int>(11, 0x11), false, -1}) + scan},
        {"endless markers", kSoi + comments + frame + scan},
        {"garbage between markers", kSoi + "xyz" + frame + scan},
        {"segment length below 2", kSoi + std::string{char(0xFF), char(0xE0), 0, 1} + frame + scan},
    };
    for (const auto& c : cases) EXPECT_FALSE(LayoutOf(c.file)) << c.name;
}

} // namespace
} // namespace mcb::test

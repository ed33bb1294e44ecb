// The memory and processor time one picture decoding takes, at the size of a picture box, for the
// worst file of each format that is still decoded (at the pixel caps and the JPEG budget), and for
// JPEGs beyond the budget. Each decoding runs in a child process of its own, so that its peak shows
// alone: peak_MB is the growth of the child's resident memory above what it had before decoding, cpu_ms
// its processor time (the machine's load does not change it much).
#include "discs/ui/PictureLoader.h"
#include "support/JpegBytes.h"
#include "support/TempDir.h"

#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <map>
#include <sys/resource.h>
#include <unistd.h>

namespace {

using mcb::test::JpegShape;

mcb::test::TempDir& Folder() {
    static mcb::test::TempDir dir;
    return dir;
}

long StatusKb(const char* field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(field, 0) == 0) return std::stol(line.substr(std::string(field).size()));
    return 0;
}

// A 63 by 63 pixel GIF whose logical screen and only frame claim `side` x `side` pixels.
QByteArray SquareGif(int side) {
    const char size[] = {char(side & 0xFF), char(side >> 8), char(side & 0xFF), char(side >> 8)};
    QByteArray gif("GIF89a");
    gif += QByteArray(size, 4) + QByteArray("\x80\x00\x00\x00\x00\x00\xff\xff\xff", 9);
    gif += QByteArray(",\x00\x00\x00\x00", 5) + QByteArray(size, 4) + QByteArray("\x00\x02\x02\x4c\x01\x00;", 7);
    return gif;
}

void WriteImage(const QString& path, QSize size, QImage::Format format, const char* kind) {
    QImage image(size, format);
    image.fill(QColor(40, 90, 160));
    QImageWriter writer(path, kind);
    writer.setCompression(qstrcmp(kind, "tiff") == 0 ? 1 : 100); // LZW; the best deflate
    writer.setQuality(100);                                      // lossless where the format has it
    writer.write(image);
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(bytes);
}

void WriteJpeg(const QString& path, const JpegShape& shape) {
    const std::string bytes = mcb::test::JpegFile(shape);
    WriteBytes(path, QByteArray(bytes.data(), qsizetype(bytes.size())));
}

// The test files, made once.
const std::map<std::string, std::function<void(const QString&)>>& Makers() {
    static const std::map<std::string, std::function<void(const QString&)>> makers{
        {"jpeg_one_scan_120Mpx",
         [](const QString& p) {
             WriteJpeg(p, {10950, 10950, {0x22, 0x11, 0x11}, false, -1});
         }},
        {"jpeg_progressive_at_budget",
         [](const QString& p) {
             WriteJpeg(p, {5792, 5792, {0x11, 0x11, 0x11}, true, -1});
         }},
        {"jpeg_progressive_cmyk_at_budget",
         [](const QString& p) {
             WriteJpeg(p, {5016, 5016, {0x11, 0x11, 0x11, 0x11}, true, -1});
         }},
        {"jpeg_progressive_100Mpx_refused",
         [](const QString& p) {
             WriteJpeg(p, {10000, 10000, {0x11, 0x11, 0x11}, true, -1});
         }},
        {"png_40Mpx",
         [](const QString& p) {
             WriteImage(p, {6324, 6324}, QImage::Format_RGB32, "png");
         }},
        {"png_16bit_12Mpx",
         [](const QString& p) {
             WriteImage(p, {3547, 3547}, QImage::Format_RGBA64, "png");
         }},
        {"png_16bit_24Mpx_refused",
         [](const QString& p) {
             WriteImage(p, {4898, 4898}, QImage::Format_RGBA64, "png");
         }},
        {"bmp_24bit_21Mpx",
         [](const QString& p) {
             WriteImage(p, {4600, 4600}, QImage::Format_RGB888, "bmp");
         }},
        {"gif_40Mpx", [](const QString& p) { WriteBytes(p, SquareGif(6324)); }},
        {"tiff_40Mpx",
         [](const QString& p) {
             WriteImage(p, {6324, 6324}, QImage::Format_RGB32, "tiff");
         }},
        {"webp_40Mpx",
         [](const QString& p) {
             WriteImage(p, {6324, 6324}, QImage::Format_RGB32, "webp");
         }},
    };
    return makers;
}

QString FileOf(const std::string& name) {
    const QString path = QString::fromStdString(Folder().File(name));
    if (!QFile::exists(path)) Makers().at(name)(path);
    return path;
}

struct Cost {
    double peakMb = 0;
    double cpuMs = 0;
    bool decoded = false;
};

// The child: started again from its own executable (a forked copy of a process with threads may
// hang in the picture scaling's own threads), it decodes and writes what it cost to its output.
constexpr const char* kChildFile = "MCB_DECODE_ONLY";

const bool childRun = [] {
    const char* file = std::getenv(kChildFile);
    if (!file) return false;
    const QString path = QString::fromUtf8(file);
    const long start = StatusKb("VmRSS:");
    const bool decoded = !mcb::LoadPictureAt(path, mcb::ShrunkToFit(mcb::PictureFileSize(path), {180, 150})).isNull();
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const double cpuMs =
        (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
    std::printf("%f %f %d\n", double(StatusKb("VmHWM:") - start) / 1024, cpuMs, int(decoded));
    std::exit(0);
}();

Cost DecodeInChild(const QString& path) {
    const std::string command =
        std::string(kChildFile) + "='" + path.toStdString() + "' /proc/" + std::to_string(getpid()) + "/exe";
    FILE* child = popen(command.c_str(), "r");
    Cost cost;
    int decoded = 0;
    if (child && std::fscanf(child, "%lf %lf %d", &cost.peakMb, &cost.cpuMs, &decoded) == 3) cost.decoded = decoded;
    if (child) pclose(child);
    return cost;
}

void Decode(benchmark::State& state, const std::string& name) {
    const QString path = FileOf(name);
    Cost cost;
    for (auto _ : state) cost = DecodeInChild(path);
    state.counters["peak_MB"] = cost.peakMb;
    state.counters["cpu_ms"] = cost.cpuMs;
    state.counters["decoded"] = cost.decoded;
    state.counters["file_MB"] = double(QFile(path).size()) / 1e6;
}

const bool registered = [] {
    for (const auto& [name, maker] : Makers())
        benchmark::RegisterBenchmark(name.c_str(), Decode, name)->Iterations(1)->Unit(benchmark::kMillisecond);
    return true;
}();

} // namespace

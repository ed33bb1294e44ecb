// The information group refreshed for a disc, as when the user moves through the table: a disc
// without pictures, a disc with a 6000 x 4000 JPEG cover (the window's own time, and the time until
// the picture is on the screen), a cover seen before, and an arrow key held down over covers.
#include "catalogue/Session.h"
#include "discs/ui/DiscInfoGroup.h"
#include "discs/ui/PictureLoader.h"
#include "discs/ui/PictureRequests.h"
#include "storage/CatalogueFormat.h"
#include "support/FakeServices.h"
#include "support/TempDir.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QRandomGenerator>
#include <QThread>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <memory>

namespace {

constexpr int kCovers = 12; // more than the group keeps decoded, so every cover is new to it

// A photograph-like 6000 x 4000 cover of about 5 MB: a gradient with fine noise.
void WriteCover(const std::string& path) {
    QImage image(6000, 4000, QImage::Format_RGB32);
    QRandomGenerator random(7);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int noise = int(random.bounded(16));
            line[x] = qRgb((x / 24 + noise) & 255, (y / 16 + noise) & 255, (x + y) / 40 & 255);
        }
    }
    image.save(QString::fromStdString(path), "JPG", 88);
}

struct Fixture {
    mcb::test::TempDir dir;
    mcb::test::FixedClock clock;
    mcb::test::FixedDateFormat dates;
    mcb::test::ScriptedPrompts prompts;
    mcb::test::RecordingShell shell;
    std::unique_ptr<mcb::Session> session;
    std::unique_ptr<mcb::DiscInfoGroup> group;

    Fixture() {
        WriteCover(dir.File("cover0.jpg"));
        std::string text = "[Common]\r\nLastCDID=" + std::to_string(kCovers + 1) +
                           "\r\n[00001]\r\nNam=Plain\r\nLin=1\r\n"
                           "Li1=Text\r\n";
        for (int k = 0; k < kCovers; ++k) {
            const std::string cover = "cover" + std::to_string(k) + ".jpg";
            if (k > 0) std::filesystem::copy_file(dir.File("cover0.jpg"), dir.File(cover));
            text += "[" + mcb::DiscIdText(k + 2) + "]\r\nNam=Cover\r\nImg1=\"?" + cover + "\"\r\n";
        }
        dir.Write("base.cbf", text);
        session = std::make_unique<mcb::Session>(mcb::SessionServices{clock, dates, prompts}, dir.Path());
        session->Start(dir.File("base.cbf"));
        group = std::make_unique<mcb::DiscInfoGroup>(*session, shell);
        group->resize(200, 420);
        group->show();
        QApplication::processEvents();
    }
    void Settle() {
        group->pictures().WaitForDone();
        QApplication::processEvents();
    }
};

// Made on first use, and gone before the application object: its windows need it.
std::unique_ptr<Fixture> shared;

Fixture& Shared() {
    if (!shared) {
        shared = std::make_unique<Fixture>();
        qAddPostRoutine([] { shared.reset(); });
    }
    return *shared;
}

// The window's event loop running for `ms` milliseconds.
void RunEvents(int ms) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms) {
        QApplication::processEvents();
        QThread::msleep(1);
    }
}

std::string Cover(int k) {
    return mcb::DiscIdText(k % kCovers + 2);
}

void RefreshWithoutPictures(benchmark::State& state) {
    Fixture& f = Shared();
    for (auto _ : state) f.group->Refresh("00001");
}
BENCHMARK(RefreshWithoutPictures)->Unit(benchmark::kMicrosecond);

// What the window itself spends: the decoding runs beside it.
void RefreshWithLargeJpeg(benchmark::State& state) {
    Fixture& f = Shared();
    int k = 0;
    for (auto _ : state) {
        f.group->Refresh(Cover(k++));
        state.PauseTiming();
        f.Settle();
        state.ResumeTiming();
    }
}
BENCHMARK(RefreshWithLargeJpeg)->Unit(benchmark::kMillisecond)->Iterations(24);

void LargeJpegUntilShown(benchmark::State& state) {
    Fixture& f = Shared();
    int k = 0;
    for (auto _ : state) {
        f.group->Refresh(Cover(k++));
        f.Settle();
    }
    state.counters["cover_MB"] = double(std::filesystem::file_size(f.dir.File("cover0.jpg"))) / 1e6;
}
BENCHMARK(LargeJpegUntilShown)->Unit(benchmark::kMillisecond)->Iterations(24)->UseRealTime();

// The decoding alone, on this thread, so that its processor time shows.
void DecodeLargeJpegAtPanelSize(benchmark::State& state) {
    Fixture& f = Shared();
    const QString cover = QString::fromStdString(f.dir.File("cover0.jpg"));
    for (auto _ : state) benchmark::DoNotOptimize(mcb::LoadPictureAt(cover, QSize(182, 121)));
}
BENCHMARK(DecodeLargeJpegAtPanelSize)->Unit(benchmark::kMillisecond)->Iterations(12);

void LargeJpegSeenBefore(benchmark::State& state) {
    Fixture& f = Shared();
    f.group->Refresh(Cover(0));
    f.Settle();
    f.group->Refresh(Cover(1));
    f.Settle();
    int k = 0;
    for (auto _ : state) f.group->Refresh(Cover(k++ % 2));
}
BENCHMARK(LargeJpegSeenBefore)->Unit(benchmark::kMicrosecond);

// Twelve rows with covers passed at a key's repeat rate (one row each 33 ms), until the last cover is
// on the screen: only what the current row needs is decoded, not every cover passed.
void ArrowKeyHeldOverCovers(benchmark::State& state) {
    Fixture& f = Shared();
    for (auto _ : state) {
        for (int k = 0; k < kCovers; ++k) {
            f.group->Refresh(Cover(k + int(state.iterations()) * 5));
            RunEvents(33);
        }
        f.Settle();
    }
}
BENCHMARK(ArrowKeyHeldOverCovers)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

} // namespace

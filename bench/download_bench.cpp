// The news file's download against servers on the loopback address that flood, drip or never end:
// the program's resident memory while it runs (growth_MB: the most above what it was before), the
// time from the result until the server sees the connection closed, and the time to end a download
// midway (as closing the main window does).
#include "support/TempDir.h"
#include "support/ui/NewsServer.h"
#include "update/ui/QtDownload.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <benchmark/benchmark.h>
#include <fstream>
#include <memory>
#include <optional>

namespace {

using mcb::test::NewsServer;

long ResidentKb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
    return 0;
}

// Runs the event loop until `done` or `ms` have passed; the largest resident size seen meanwhile.
long RunUntil(const std::function<bool()>& done, int ms) {
    QElapsedTimer clock;
    clock.start();
    long most = ResidentKb();
    while (!done() && clock.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        most = std::max(most, ResidentKb());
    }
    return most;
}

void Download(benchmark::State& state, NewsServer::Answer answer) {
    mcb::test::TempDir dir;
    NewsServer server;
    server.answer = answer;
    server.file = "[VersionList]\r\nSignature=Quillor\r\n";
    double growth = 0, closing = 0;
    for (auto _ : state) {
        mcb::QtDownload download;
        download.SetTimeLimit(3000);
        std::optional<mcb::DownloadResult> result;
        const long before = ResidentKb();
        download.Fetch((server.Site() + "/whatnews.txt").toStdString(), dir.File("news.txt"),
                       [&](mcb::DownloadResult r) { result = r; });
        const long most = RunUntil([&] { return result.has_value(); }, 10000);
        QElapsedTimer clock;
        clock.start();
        RunUntil([&] { return server.OpenConnections() == 0; }, 5000);
        closing = double(clock.nsecsElapsed()) / 1e6;
        growth = double(most - before) / 1024;
    }
    state.counters["growth_MB"] = growth;
    state.counters["closed_after_ms"] = closing;
}
BENCHMARK_CAPTURE(Download, flood_of_header_fields, NewsServer::Answer::FloodHeaders)->Iterations(1)->UseRealTime();
BENCHMARK_CAPTURE(Download, endless_header_line, NewsServer::Answer::EndlessHeaderLine)->Iterations(1)->UseRealTime();
BENCHMARK_CAPTURE(Download, endless_body, NewsServer::Answer::Endless)->Iterations(1)->UseRealTime();
BENCHMARK_CAPTURE(Download, dripping_header, NewsServer::Answer::Drip)->Iterations(1)->UseRealTime();

// Ending a download midway, while a server drips.
void EndMidway(benchmark::State& state) {
    mcb::test::TempDir dir;
    NewsServer server;
    server.answer = NewsServer::Answer::Drip;
    for (auto _ : state) {
        state.PauseTiming();
        auto download = std::make_unique<mcb::QtDownload>();
        download->Fetch((server.Site() + "/whatnews.txt").toStdString(), dir.File("news.txt"), [](auto) {});
        RunUntil([] { return false; }, 300);
        state.ResumeTiming();
        download.reset();
    }
}
BENCHMARK(EndMidway)->Iterations(5)->Unit(benchmark::kMicrosecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

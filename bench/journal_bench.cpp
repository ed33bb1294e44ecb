// Recording an event into a journal that has grown far beyond its limit: the one cut reads the whole
// journal and writes back only its newest lines.
#include "discs/Journal.h"
#include "storage/Settings.h"
#include "support/FakeServices.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

std::string BigJournal(int lines) {
    std::string text;
    for (int i = 0; i < lines; ++i)
        text += "08.12.2026 16:45:19 : Data o diske \"Film " + std::to_string(i) + "\" (ID=" + std::to_string(i) +
                ") uspeshno izmeneny.\r\n";
    return text;
}

void CutLargeJournal(benchmark::State& state) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "mcb-journal-bench";
    std::filesystem::create_directories(folder);
    const std::string path = (folder / "base.log").string();
    const std::string journal = BigJournal(100000);
    mcb::SetupSettings setup;
    setup.MagazLines = 1000;
    const mcb::test::FixedClock clock;
    const mcb::test::FixedDateFormat dateFormat;
    const mcb::JournalContext context{path, setup, clock, dateFormat, (folder / "base.cbf").string()};
    for (auto _ : state) {
        state.PauseTiming();
        std::ofstream(path, std::ios::binary | std::ios::trunc) << journal;
        state.ResumeTiming();
        mcb::LogEvent(context, "event");
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(CutLargeJournal)->Unit(benchmark::kMillisecond);

} // namespace

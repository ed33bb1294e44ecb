// Timing of the catalogue report's layout on generated catalogues, drawn on the fixed-metrics canvas
// double of the tests, so that only the layout itself is measured.
#include "../tests/output/RecordingCanvas.h"
#include "../tests/support/FakeServices.h"
#include "catalogue/TableBuild.h"
#include "gen/Generator.h"
#include "output/PrintJob.h"
#include "storage/MyIniFiles.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>

namespace {

constexpr int kToday = 46000;

class Scratch {
public:
    Scratch() {
        std::string pattern = (std::filesystem::temp_directory_path() / "mcb-bench-XXXXXX").string();
        dir_ = ::mkdtemp(pattern.data());
        ::setenv("XDG_CONFIG_HOME", dir_.c_str(), 1);
    }
    ~Scratch() {
        std::error_code ignored;
        std::filesystem::remove_all(dir_, ignored);
    }
    std::string Catalogue(int discs) const {
        const std::string path = dir_ + "/gen" + std::to_string(discs) + ".cbf";
        mcb::gen::WriteCatalogueFile({discs, 1, kToday}, path);
        return path;
    }

private:
    std::string dir_;
};

// Every option on, colours and bands included, A4 at 600 dots per inch.
void BM_CatalogueReportLayout(benchmark::State& state) {
    const Scratch scratch;
    const mcb::TIniFile catalogue(scratch.Catalogue(int(state.range(0))));
    const mcb::FilterCriteria filter;
    const mcb::CatalogueTable table =
        mcb::BuildTable(catalogue, filter, mcb::SetupSettings{}, mcb::BuiltInLayout(), kToday, false).table;
    mcb::PrinterSettings printer;
    printer.EnabledColorPrint = true;
    const mcb::test::FixedClock clock;
    const mcb::test::FixedDateFormat dates;
    const mcb::ReportSources sources{table, catalogue, filter, printer, clock, dates};
    long pages = 0;
    for (auto _ : state) {
        mcb::test::RecordingCanvas canvas(4960, 7016);
        canvas.record = false;
        mcb::PrintCatalogueReport(canvas, {"Sans", 40}, sources);
        pages = canvas.PageNumber();
    }
    state.counters["pages"] = double(pages);
}
BENCHMARK(BM_CatalogueReportLayout)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

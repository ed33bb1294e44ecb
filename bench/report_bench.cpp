// Timing of the catalogue report's layout on generated catalogues, drawn on the fixed-metrics canvas
// double of the tests, so that only the layout itself is measured.
#include "../tests/output/RecordingCanvas.h"
#include "../tests/support/FakeServices.h"
#include "GeneratedCatalogues.h"
#include "catalogue/TableBuild.h"
#include "output/PrintJob.h"
#include "storage/MyIniFiles.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kToday = 46000;

// Every option on, colours and bands included, A4 at 600 dots per inch.
void BM_CatalogueReportLayout(benchmark::State& state) {
    const mcb::bench::GeneratedCatalogues scratch(kToday);
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

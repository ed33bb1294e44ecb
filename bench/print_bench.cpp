// Timing of "--print" end to end on generated catalogues: catalogue read, table build, report layout
// and the PDF written by the toolkit's printer, with the settings file's default report options.
// The peak memory of the process so far is reported as a counter.
#include "GeneratedCatalogues.h"
#include "output/ui/PdfCommand.h"
#include "storage/Layout.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <sstream>
#include <sys/resource.h>

namespace {

constexpr int kToday = 46000;

double PeakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

void BM_PrintCatalogueToPdf(benchmark::State& state) {
    const mcb::bench::GeneratedCatalogues scratch(kToday);
    const std::string catalogue = scratch.Catalogue(int(state.range(0)));
    const std::string pdf = catalogue + ".pdf";
    for (auto _ : state) {
        std::ostringstream err;
        const mcb::ListRequest table{catalogue, std::string(mcb::kLayoutFileName), kToday};
        if (mcb::RunPdfCommand({table, pdf}, err) != 0) state.SkipWithError(err.str().c_str());
    }
    state.counters["pdf_MB"] = double(std::filesystem::file_size(pdf)) / 1e6;
    state.counters["peak_MB"] = PeakMegabytes();
}
BENCHMARK(BM_PrintCatalogueToPdf)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

// Spreadsheet export of a generated catalogue with descriptions (up to six lines per disc): the
// layout written into a real .xlsx workbook, and the whole "--export" command. The peak resident
// memory of the process is reported as the counter PeakRSS_MB.
#include "PeakMemory.h"
#include "catalogue/TableBuild.h"
#include "catalogue/TableTexts.h"
#include "gen/Generator.h"
#include "output/ExportCommand.h"
#include "output/ExportLayout.h"
#include "output/XlsxWorkbook.h"
#include "storage/MyIniFiles.h"
#include "support/FakeServices.h"
#include "support/TempDir.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <sstream>

namespace {

constexpr int kToday = 46000;

const mcb::test::TempDir& Folder() {
    static const mcb::test::TempDir dir;
    return dir;
}

std::string Catalogue(int discs) {
    const std::string path = Folder().File("gen" + std::to_string(discs) + ".cbf");
    if (!std::filesystem::exists(path)) mcb::gen::WriteCatalogueFile({discs, 1, kToday}, path);
    return path;
}

// Arg 0: discs; arg 1: description layout (0 horizontal, 1 vertical, 2 single cell, 3 none).
// Header and availability on.
void BM_ExportWorkbook(benchmark::State& state) {
    const mcb::TIniFile catalogue(Catalogue(int(state.range(0))));
    const mcb::TableLayout layout = mcb::BuiltInLayout();
    const mcb::SetupSettings setup;
    const mcb::CatalogueTable table =
        mcb::BuildTable(catalogue, mcb::FilterCriteria{}, setup, layout, kToday, false).table;
    const auto headings = mcb::HeadingRow(layout, setup.SortOrder);
    const mcb::test::FixedDateFormat dates;
    const mcb::ExportSource source{headings, table, catalogue, dates};
    const mcb::ExportOptions options{true, true, mcb::DescriptionLayout(state.range(1))};
    const std::string output = Folder().File("out.xlsx");
    for (auto _ : state) {
        mcb::XlsxWorkbook workbook(output);
        if (mcb::ExportTable(source, options, workbook) != mcb::ExportResult::Done || !workbook.Commit())
            state.SkipWithError("export failed");
    }
    state.counters["PeakRSS_MB"] = mcb::bench::PeakRssMegabytes();
    state.counters["Workbook_MB"] = double(std::filesystem::file_size(output)) / 1e6;
}
BENCHMARK(BM_ExportWorkbook)
    ->Args({100000, 0})
    ->Args({100000, 1})
    ->Args({100000, 2})
    ->Args({100000, 3})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

// The command: catalogue load, table build and export, descriptions in single cells.
void BM_ExportCommand(benchmark::State& state) {
    const std::string catalogue = Catalogue(int(state.range(0)));
    const mcb::test::FixedDateFormat dates;
    mcb::ExportRequest request;
    request.table = {catalogue, "/nonexistent/fields.ini", kToday};
    request.outputPath = Folder().File("command.xlsx");
    request.options = {true, true, mcb::DescriptionLayout::SingleCell};
    std::ostringstream err;
    for (auto _ : state)
        if (mcb::RunExportCommand(request, dates, err) != 0) state.SkipWithError("export failed");
    state.counters["PeakRSS_MB"] = mcb::bench::PeakRssMegabytes();
}
BENCHMARK(BM_ExportCommand)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

} // namespace

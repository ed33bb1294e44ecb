// Import of discs from a spreadsheet: a generated catalogue of 100,000 discs (descriptions along the
// row) exported into a workbook, then read, planned and saved into a new catalogue, as the import
// window does after the mapping. The peak resident memory is reported as PeakRSS_MB.
#include "GeneratedCatalogues.h"
#include "PeakMemory.h"
#include "catalogue/TableBuild.h"
#include "catalogue/TableTexts.h"
#include "output/DiscImport.h"
#include "output/SheetFile.h"
#include "output/WorkbookExport.h"
#include "storage/MyIniFiles.h"
#include "storage/Settings.h"
#include "support/FakeServices.h"

#include <benchmark/benchmark.h>
#include <filesystem>

namespace {

constexpr int kToday = 46000;

// The generated catalogues, their workbooks and the catalogues imported into.
const mcb::bench::GeneratedCatalogues& Generated() {
    static const mcb::bench::GeneratedCatalogues generated(kToday);
    return generated;
}

std::string InFolder(const std::string& name) {
    return Generated().Dir() + "/" + name;
}

std::string Workbook(int discs) {
    const std::string path = InFolder("gen" + std::to_string(discs) + ".xlsx");
    if (std::filesystem::exists(path)) return path;
    const mcb::TIniFile catalogue(Generated().Catalogue(discs));
    const mcb::SetupSettings setup;
    const mcb::TableLayout layout = mcb::BuiltInLayout();
    const mcb::CatalogueTable table =
        mcb::BuildTable(catalogue, mcb::FilterCriteria{}, setup, layout, kToday, false).table;
    const auto headings = mcb::HeadingRow(layout, setup.SortOrder);
    const mcb::test::FixedDateFormat dates;
    mcb::WorkbookReport report;
    mcb::WriteWorkbook({headings, table, catalogue, dates}, {true, false, mcb::DescriptionLayout::Horizontal}, path,
                       report);
    return path;
}

// Arg 0: rows. Each iteration imports into a new, empty catalogue with journaling on.
void BM_ImportWorkbook(benchmark::State& state) {
    const std::string workbook = Workbook(int(state.range(0)));
    const mcb::TableLayout layout = mcb::BuiltInLayout();
    const mcb::SetupSettings setup;
    const mcb::test::FixedClock clock(kToday);
    const mcb::test::FixedDateFormat dates;
    std::size_t added = 0;
    for (auto _ : state) {
        std::filesystem::remove(InFolder("target.cbf"));
        std::filesystem::remove(InFolder("target.log"));
        const mcb::SheetRead sheet = mcb::ReadSheetFile(workbook);
        const auto mapping = mcb::PresetMapping(mcb::ColumnHeadings(sheet.rows), layout);
        mcb::TIniFile target(InFolder("target.cbf"));
        const auto plan = mcb::PlanImport(target, {sheet.rows, mapping, layout});
        const mcb::JournalContext journal{InFolder("target.log"), setup, clock, dates, InFolder("target.cbf")};
        if (mcb::ApplyImport(target, *plan, {Generated().Dir() + "/", kToday, journal}) != mcb::ImportResult::Done)
            state.SkipWithError("import failed");
        added = plan->discs.size();
    }
    state.counters["Discs"] = double(added);
    state.counters["PeakRSS_MB"] = mcb::bench::PeakRssMegabytes();
}
BENCHMARK(BM_ImportWorkbook)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

// Arg 0: rows. The reading of the workbook alone, the share of the import before the mapping window.
void BM_ReadWorkbook(benchmark::State& state) {
    const std::string workbook = Workbook(int(state.range(0)));
    std::size_t rows = 0;
    for (auto _ : state) rows = mcb::ReadSheetFile(workbook).rows.size();
    state.counters["Rows"] = double(rows);
}
BENCHMARK(BM_ReadWorkbook)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

} // namespace

// Timing of the catalogue table build, its sort and the --list command on generated catalogues.
#include "../tests/catalogue/LiteralExchangeSort.h"
#include "../tests/catalogue/RankPatterns.h"
#include "GeneratedCatalogues.h"
#include "catalogue/ExchangeOrder.h"
#include "catalogue/ListCommand.h"
#include "catalogue/TableBuild.h"
#include "catalogue/TableSort.h"
#include "storage/Layout.h"
#include "storage/MyIniFiles.h"

#include <benchmark/benchmark.h>
#include <ostream>

namespace {

constexpr int kToday = 46000;

const mcb::bench::GeneratedCatalogues& Folder() {
    static const mcb::bench::GeneratedCatalogues scratch(kToday);
    return scratch;
}

void BM_BuildTable(benchmark::State& state) {
    const mcb::TIniFile catalogue(Folder().Catalogue(int(state.range(0))));
    const mcb::TableLayout layout = mcb::BuiltInLayout();
    const mcb::SetupSettings setup; // sorted by title
    for (auto _ : state) {
        auto result = mcb::BuildTable(catalogue, mcb::FilterCriteria{}, setup, layout, kToday, true);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_BuildTable)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

std::vector<mcb::TableRow> UnsortedRows(int discs) {
    const mcb::TIniFile catalogue(Folder().Catalogue(discs));
    mcb::SetupSettings setup;
    setup.SortOrder = 0;
    return mcb::BuildTable(catalogue, mcb::FilterCriteria{}, setup, mcb::BuiltInLayout(), kToday, false).table.rows;
}

// Arg: sort order; rows of 100,000 generated discs.
void BM_SortRows(benchmark::State& state) {
    const std::vector<mcb::TableRow> rows = UnsortedRows(100000);
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<mcb::TableRow> copy = rows;
        state.ResumeTiming();
        mcb::SortRows(copy, int(state.range(0)));
        benchmark::DoNotOptimize(copy);
        state.PauseTiming(); // freeing the rows is not part of the sort
        copy = {};
        state.ResumeTiming();
    }
}
BENCHMARK(BM_SortRows)->Arg(1)->Arg(3)->Arg(9)->Arg(10)->Unit(benchmark::kMillisecond);

// The literal exchange sort on 5,000 generated discs, for comparison with BM_SortRows5000.
void BM_LiteralSort5000(benchmark::State& state) {
    const std::vector<mcb::TableRow> rows = UnsortedRows(5000);
    for (auto _ : state) {
        std::vector<mcb::TableRow> copy = rows;
        mcb::test::LiteralSort(copy, 1);
        benchmark::DoNotOptimize(copy);
    }
}
BENCHMARK(BM_LiteralSort5000)->Unit(benchmark::kMillisecond);

void BM_SortRows5000(benchmark::State& state) {
    const std::vector<mcb::TableRow> rows = UnsortedRows(5000);
    for (auto _ : state) {
        std::vector<mcb::TableRow> copy = rows;
        mcb::SortRows(copy, 1);
        benchmark::DoNotOptimize(copy);
    }
}
BENCHMARK(BM_SortRows5000)->Unit(benchmark::kMillisecond);

// The tie order alone on 100,000 ranks of each shape.
void BM_ExchangeOrder(benchmark::State& state) {
    const std::string& kind = mcb::test::RankPatternNames()[state.range(0)];
    state.SetLabel(kind);
    const std::vector<int> ranks = mcb::test::RankPattern(kind, 100000, 3);
    for (auto _ : state) benchmark::DoNotOptimize(mcb::ExchangeSortOrder(ranks));
}
BENCHMARK(BM_ExchangeOrder)->DenseRange(0, 7)->Unit(benchmark::kMillisecond);

class NullBuffer : public std::streambuf {
protected:
    int overflow(int c) override { return c; }
    std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

void BM_ListCommand5000(benchmark::State& state) {
    const mcb::ListRequest request{Folder().Catalogue(5000), "/nonexistent/fields.ini", kToday};
    NullBuffer buffer;
    std::ostream out(&buffer);
    for (auto _ : state) benchmark::DoNotOptimize(mcb::RunListCommand(request, out, out));
}
BENCHMARK(BM_ListCommand5000)->Unit(benchmark::kMillisecond);

} // namespace

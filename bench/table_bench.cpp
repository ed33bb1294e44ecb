// Timing of the catalogue table build, its sort, the refreshes of the window's table after each kind
// of change and the --list command on generated catalogues.
#include "../tests/catalogue/LiteralExchangeSort.h"
#include "../tests/catalogue/RankPatterns.h"
#include "GeneratedCatalogues.h"
#include "catalogue/ExchangeOrder.h"
#include "catalogue/ListCommand.h"
#include "catalogue/LiveTable.h"
#include "catalogue/TableBuild.h"
#include "catalogue/TableSort.h"
#include "storage/CatalogueFormat.h"
#include "storage/Layout.h"
#include "storage/MyIniFiles.h"

#include <benchmark/benchmark.h>
#include <memory>
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

// The window's table over 100,000 generated discs, refreshed after each change.
class Refreshed {
public:
    Refreshed() : catalogue_(Folder().Catalogue(100000)) { Refresh(); }
    void Refresh() { live_.Refresh(catalogue_, {filter, setup, layout_, kToday}); }
    mcb::TIniFile& catalogue() { return catalogue_; }
    const mcb::LiveTable& live() const { return live_; }
    mcb::FilterCriteria filter;
    mcb::SetupSettings setup;

private:
    mcb::TIniFile catalogue_;
    mcb::TableLayout layout_ = mcb::BuiltInLayout();
    mcb::LiveTable live_;
};

// Arg: 1 applies the title search of about 3,150 discs, 0 clears it.
void BM_RefreshFilter(benchmark::State& state) {
    Refreshed table;
    for (auto _ : state) {
        state.PauseTiming();
        table.filter.Nazva = state.range(0) ? "" : "matrix";
        table.Refresh();
        table.filter.Nazva = state.range(0) ? "matrix" : "";
        state.ResumeTiming();
        table.Refresh();
    }
    state.counters["shown"] = table.live().counters().shown;
}
BENCHMARK(BM_RefreshFilter)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

// Arg: the sort order chosen, from the title order (the year order for the title).
void BM_RefreshSort(benchmark::State& state) {
    Refreshed table;
    const int order = int(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        table.setup.SortOrder = order == 1 ? 9 : 1;
        table.Refresh();
        table.setup.SortOrder = order;
        state.ResumeTiming();
        table.Refresh();
    }
}
BENCHMARK(BM_RefreshSort)->Arg(1)->Arg(3)->Arg(9)->Arg(10)->Unit(benchmark::kMillisecond);

// One disc lent or given back, as the lending commands change it.
void BM_RefreshOneDisc(benchmark::State& state) {
    Refreshed table;
    int n = 0;
    for (auto _ : state) {
        const std::string id = mcb::DiscIdText(1 + (n++ % 1000) * 97);
        table.catalogue().WriteString(id, "Gin", n % 2 ? "3" : "-1");
        table.Refresh();
    }
}
BENCHMARK(BM_RefreshOneDisc)->Unit(benchmark::kMillisecond);

// The first refresh: every disc read from the catalogue.
void BM_RefreshFirst(benchmark::State& state) {
    const mcb::TIniFile catalogue(Folder().Catalogue(100000));
    const mcb::TableLayout layout = mcb::BuiltInLayout();
    const mcb::SetupSettings setup;
    for (auto _ : state) {
        auto live = std::make_unique<mcb::LiveTable>();
        live->Refresh(catalogue, {mcb::FilterCriteria{}, setup, layout, kToday});
        benchmark::DoNotOptimize(live->counters());
        state.PauseTiming(); // freeing the table is not part of it
        live.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_RefreshFirst)->Unit(benchmark::kMillisecond);

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

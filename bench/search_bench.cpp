// Timing of the quick search on 100,000 generated discs: the first reading of the searched texts,
// and each keystroke from the text before it to the refreshed table (the search and the table's
// refresh), typing on, typing the first letter and taking a letter back.
#include "GeneratedCatalogues.h"
#include "catalogue/LiveTable.h"
#include "catalogue/QuickSearch.h"
#include "storage/Layout.h"
#include "storage/Literal.h"
#include "storage/MyIniFiles.h"

#include <benchmark/benchmark.h>
#include <memory>

namespace {

constexpr int kToday = 46000;

const mcb::bench::GeneratedCatalogues& Folder() {
    static const mcb::bench::GeneratedCatalogues scratch(kToday);
    return scratch;
}

void BM_FirstReading(benchmark::State& state) {
    const mcb::TIniFile catalogue(Folder().Catalogue(100000));
    for (auto _ : state) {
        auto search = std::make_unique<mcb::QuickSearch>();
        search->Prepare(catalogue);
        state.PauseTiming(); // freeing the texts is not part of it
        search.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FirstReading)->Unit(benchmark::kMillisecond);

struct Keystroke {
    const char* before;
    const char* after;
};

// UTF-8 texts before and after the keystroke.
const Keystroke kKeystrokes[] = {
    {"", "з"},           {"з", "зв"},         {"звезд", "звезда"}, {"звезда", "звезда "}, {"звезда н", "звезда но"},
    {"звезда", "звезд"}, {"matri", "matrix"}, {"а", "ан"},         {"ан", "а"},
};

void BM_Keystroke(benchmark::State& state) {
    const Keystroke& key = kKeystrokes[state.range(0)];
    state.SetLabel(std::string("\"") + key.before + "\" -> \"" + key.after + "\"");
    const mcb::TIniFile catalogue(Folder().Catalogue(100000));
    const mcb::FilterCriteria filter;
    const mcb::SetupSettings setup; // sorted by title
    const mcb::TableLayout layout = mcb::BuiltInLayout();
    mcb::QuickSearch search;
    mcb::LiveTable live;
    const auto type = [&](const char* text) {
        search.SetText(mcb::W(text));
        live.Refresh(catalogue, {filter, setup, layout, kToday, search.Found(catalogue)});
    };
    search.Prepare(catalogue);
    for (auto _ : state) {
        state.PauseTiming();
        type(key.before);
        state.ResumeTiming();
        type(key.after);
    }
    state.counters["shown"] = live.counters().shown;
}
BENCHMARK(BM_Keystroke)->DenseRange(0, 8)->Unit(benchmark::kMillisecond);

} // namespace

// Walk over the existing discs, which every table build starts with.
#include "gen/Generator.h"
#include "storage/CatalogueFormat.h"
#include "storage/MyIniFiles.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {

std::string TempFile(const std::string& name) {
    std::string pattern = (std::filesystem::temp_directory_path() / "mcb-bench-XXXXXX").string();
    return std::string(mkdtemp(pattern.data())) + "/" + name;
}

void RunEnumeration(benchmark::State& state, const std::string& path) {
    const mcb::TIniFile catalogue(path);
    size_t found = 0;
    for (auto _ : state) {
        found = mcb::EnumerateDiscs(catalogue).size();
        benchmark::DoNotOptimize(found);
    }
    state.counters["discs"] = static_cast<double>(found);
    std::filesystem::remove_all(std::filesystem::path(path).parent_path());
}

void BM_EnumerateGeneratedCatalogue(benchmark::State& state) {
    const std::string path = TempFile("g.cbf");
    mcb::gen::WriteCatalogueFile({.discs = static_cast<int>(state.range(0))}, path);
    RunEnumeration(state, path);
}
BENCHMARK(BM_EnumerateGeneratedCatalogue)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);

// A hand-edited LastCDID far above the discs present.
void BM_EnumerateHugeLastId(benchmark::State& state) {
    const std::string path = TempFile("huge.cbf");
    std::ofstream(path, std::ios::binary)
        << "[Common]\r\nLastCDID=2000000000\r\n[00001]\r\nNam=a\r\n[00002]\r\nNam=b\r\n"
           "[1999999999]\r\nNam=c\r\n";
    RunEnumeration(state, path);
}
BENCHMARK(BM_EnumerateHugeLastId)->Unit(benchmark::kMicrosecond);

} // namespace

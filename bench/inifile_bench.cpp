// Speed of the key/value engine on generated catalogues: loading, random reads and saving.
#include "gen/Generator.h"
#include "storage/CatalogueFormat.h"
#include "storage/MyIniFiles.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <map>
#include <random>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

// Generated catalogues written once per size into a temporary folder, removed at exit.
class Catalogues {
public:
    ~Catalogues() {
        for (const auto& [discs, path] : paths_) ::unlink(path.c_str());
        if (!folder_.empty()) ::rmdir(folder_.c_str());
    }

    const std::string& Path(int discs) {
        if (folder_.empty()) {
            std::string pattern = "/tmp/mcb-bench-XXXXXX";
            if (!::mkdtemp(pattern.data())) std::abort();
            folder_ = pattern;
        }
        auto found = paths_.find(discs);
        if (found != paths_.end()) return found->second;
        const std::string path = folder_ + "/c" + std::to_string(discs) + ".cbf";
        if (!mcb::gen::WriteCatalogueFile(mcb::gen::Options{discs, 1, 46000}, path)) std::abort();
        return paths_.emplace(discs, path).first->second;
    }

private:
    std::string folder_;
    std::map<int, std::string> paths_;
};

Catalogues& SharedCatalogues() {
    static Catalogues catalogues;
    return catalogues;
}

void BM_Load(benchmark::State& state) {
    const std::string& path = SharedCatalogues().Path(int(state.range(0)));
    for (auto _ : state) {
        mcb::TIniFile catalogue(path);
        benchmark::DoNotOptimize(&catalogue);
    }
}
BENCHMARK(BM_Load)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// 200,000 reads of random keys of random discs, letter case varied as callers do.
void BM_ReadString200k(benchmark::State& state) {
    const int discs = 100000;
    mcb::TIniFile catalogue(SharedCatalogues().Path(discs));
    const std::vector<std::string> keys = {"Nam", "nam2", "Gen", "AUD", "Rol",  "Cou", "Lon",  "Car", "Ent",
                                           "Giv", "Gin",  "Lin", "Li1", "Img1", "Oth", "Comp", "Dir", "Year"};
    std::mt19937 random(1);
    std::vector<std::pair<std::string, const std::string*>> lookups;
    for (int i = 0; i < 200000; ++i)
        lookups.emplace_back(mcb::DiscIdText(std::uniform_int_distribution<int>(1, discs)(random)),
                             &keys[std::uniform_int_distribution<std::size_t>(0, keys.size() - 1)(random)]);
    const std::string none;
    for (auto _ : state)
        for (const auto& [section, key] : lookups) benchmark::DoNotOptimize(catalogue.ReadString(section, *key, none));
}
BENCHMARK(BM_ReadString200k)->Unit(benchmark::kMillisecond);

// Saving rewrites the generated file with the same sections and keys; each save follows a change, as
// a save without one writes nothing, and looks first whether anybody changed the file, as the
// program's saves do.
void BM_UpdateFile(benchmark::State& state) {
    mcb::TIniFile catalogue(SharedCatalogues().Path(int(state.range(0))));
    catalogue.SetFileHeader(mcb::CatalogueFileHeader());
    catalogue.SetDiskChangeHandler([](const std::string&) { return mcb::DiskChangeChoice::Overwrite; });
    const std::string genres = catalogue.ReadString("Common", "Genres", "-1");
    for (auto _ : state) {
        catalogue.WriteString("Common", "Genres", genres);
        if (!catalogue.UpdateFile()) state.SkipWithError("write failed");
    }
}
BENCHMARK(BM_UpdateFile)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

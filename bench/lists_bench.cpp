// Deleting a reference-list entry of a large catalogue: the check that no disc refers to it visits
// every disc section.
#include "gen/Generator.h"
#include "lists/DictEditor.h"
#include "lists/DictReferences.h"
#include "platform/Services.h"
#include "storage/MyIniFiles.h"
#include "storage/Settings.h"
#include "support/FakeServices.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <string>

namespace {

class LargeCatalogue {
public:
    LargeCatalogue() {
        std::filesystem::create_directories(folder_);
        mcb::gen::Options options;
        options.discs = 100000;
        mcb::gen::WriteCatalogueFile(options, path_);
        catalogue = std::make_unique<mcb::TIniFile>(path_);
    }
    ~LargeCatalogue() {
        catalogue.reset();
        std::filesystem::remove_all(folder_);
    }

    std::unique_ptr<mcb::TIniFile> catalogue;

private:
    std::filesystem::path folder_ = std::filesystem::temp_directory_path() / "mcb-lists-bench";
    std::string path_ = (folder_ / "big.cbf").string();
};

// The worst case: an entry no disc refers to, so every disc section is visited.
void ReferenceCheckOfUnusedEntry(benchmark::State& state) {
    LargeCatalogue base;
    for (auto _ : state)
        benchmark::DoNotOptimize(mcb::IsReferenced(*base.catalogue, mcb::DictKind::Contacts, "999999"));
}
BENCHMARK(ReferenceCheckOfUnusedEntry)->Unit(benchmark::kMillisecond);

// The genre list of the large catalogue open for plain editing, every question answered Yes.
struct GenreEditor {
    GenreEditor() { editor.Open(params); }

    LargeCatalogue base;
    mcb::SetupSettings setup;
    mcb::test::AgreeingPrompts prompts;
    mcb::DictParams params{mcb::DictKind::Genres, true, false, ""};
    mcb::DictEditor editor{*base.catalogue, setup, prompts};
};

// The whole command as the user meets it, for a genre that discs use: question, check, refusal.
void RefusedDeletion(benchmark::State& state) {
    GenreEditor genres;
    for (auto _ : state) genres.editor.Delete();
}
BENCHMARK(RefusedDeletion)->Unit(benchmark::kMillisecond);

// An entry no disc uses is deleted, which includes saving the whole catalogue file.
void DeletionOfUnusedEntry(benchmark::State& state) {
    GenreEditor genres;
    mcb::DictEditor& editor = genres.editor;
    for (auto _ : state) {
        state.PauseTiming();
        editor.Add(); // "Bench" becomes the current row
        state.ResumeTiming();
        editor.Delete();
    }
}
BENCHMARK(DeletionOfUnusedEntry)->Unit(benchmark::kMillisecond);

} // namespace

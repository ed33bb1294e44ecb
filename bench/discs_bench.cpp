// The disc editor on a large catalogue: the opening, which indexes every title, and the save after
// "Ок": the similar-name check, the record and the write of the whole file.
#include "discs/DiscEditor.h"
#include "gen/Generator.h"
#include "storage/MyIniFiles.h"
#include "storage/Settings.h"
#include "support/FakeServices.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

namespace {

// A generated catalogue in a temporary folder, removed afterwards.
class Catalogue {
public:
    explicit Catalogue(int discs) {
        std::string pattern = (std::filesystem::temp_directory_path() / "mcb-bench-XXXXXX").string();
        folder_ = std::string(mkdtemp(pattern.data())) + "/";
        setenv("XDG_CONFIG_HOME", folder_.c_str(), 1);
        mcb::gen::WriteCatalogueFile({discs, 1, 46000}, folder_ + "base.cbf");
        file_ = std::make_unique<mcb::TIniFile>(folder_ + "base.cbf");
        setup_.Magazine = false;
    }
    ~Catalogue() {
        file_.reset();
        std::filesystem::remove_all(folder_);
    }
    mcb::DiscEditor Editor() {
        return mcb::DiscEditor(
            {*file_, folder_, prompts_, {folder_ + "base.log", setup_, clock_, dates_, folder_ + "base.cbf"}});
    }

private:
    std::string folder_;
    std::unique_ptr<mcb::TIniFile> file_;
    mcb::test::AgreeingPrompts prompts_{""};
    mcb::test::FixedClock clock_{46000};
    mcb::test::FixedDateFormat dates_;
    mcb::SetupSettings setup_;
};

void BM_OpenEditor(benchmark::State& state) {
    Catalogue catalogue(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        mcb::DiscEditor editor = catalogue.Editor();
        benchmark::DoNotOptimize(editor.OpenNew());
    }
}
BENCHMARK(BM_OpenEditor)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_SaveNewDisc(benchmark::State& state) {
    Catalogue catalogue(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        mcb::DiscEditor editor = catalogue.Editor();
        mcb::DiscRecord record = editor.OpenNew().value();
        record.nam = "Matrix";
        record.description = "line one\r\nline two";
        state.ResumeTiming();
        if (editor.Save(record) != mcb::SaveResult::Saved) state.SkipWithError("not saved");
    }
}
BENCHMARK(BM_SaveNewDisc)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

// Start-up to a shown catalogue window on a generated catalogue: settings, backup copy, catalogue
// load, first table build, window construction and the first paint, all offscreen.
#include "catalogue/Session.h"
#include "catalogue/ui/MainForm.h"
#include "gen/Generator.h"
#include "support/FakeServices.h"
#include "support/TempDir.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstdlib>

namespace {

void StartUpToShownWindow(benchmark::State& state) {
    mcb::test::TempDir dir;
    const std::string catalogue = dir.File("base.cbf");
    mcb::gen::WriteCatalogueFile({static_cast<int>(state.range(0)), 1, 46364}, catalogue);
    mcb::test::FixedClock clock;
    mcb::test::FixedDateFormat dates;
    mcb::test::ScriptedPrompts prompts;
    for (auto _ : state) {
        mcb::Session session(mcb::SessionServices{clock, dates, prompts}, dir.Path());
        session.Start(catalogue);
        mcb::TMainForm form(session);
        form.show();
        QApplication::processEvents();
        form.repaint();
        state.PauseTiming();
        form.hide();
        state.ResumeTiming();
    }
}
BENCHMARK(StartUpToShownWindow)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

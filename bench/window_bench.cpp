// The catalogue window on a generated catalogue, offscreen and wired like the program: start-up to
// the first paint, and each action from its command to the repainted window (filter, sort, the disc
// editor, lend, return, delete). "peak_MB" is the most memory the process held during the benchmark.
#include "app/DiscCommandWindows.h"
#include "app/Wiring.h"
#include "catalogue/Session.h"
#include "catalogue/ui/CatalogueTableModel.h"
#include "catalogue/ui/MainForm.h"
#include "catalogue/ui/MainTableHeader.h"
#include "catalogue/ui/MainTableView.h"
#include "catalogue/ui/TFilterForm.h"
#include "discs/ui/TEditDisk.h"
#include "gen/Generator.h"
#include "platform/qt/ModalRun.h"
#include "support/FakeServices.h"
#include "support/TempDir.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <string>

namespace {

constexpr int kToday = 46364;

// The generated catalogue of that many discs, made once and copied for each benchmark.
const std::string& GeneratedFile(int discs) {
    static mcb::test::TempDir folder;
    static std::map<int, std::string> files;
    auto& path = files[discs];
    if (path.empty()) {
        path = folder.File("gen" + std::to_string(discs) + ".cbf");
        mcb::gen::WriteCatalogueFile({discs, 1, kToday}, path);
    }
    return path;
}

// Peak resident memory of the process in MB, and resetting it to the current use.
double PeakMegabytes() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0) return std::stod(line.substr(6)) / 1024.0;
    return 0;
}

void ResetPeak() {
    std::ofstream("/proc/self/clear_refs") << "5";
}

class ContactPicker : public mcb::ListPicker {
public:
    bool Pick(mcb::DictParams& params) override {
        params.selection.assign(1, '0'); // not a literal: GCC 12 warns falsely about that in optimised builds
        return true;
    }
};

// The wired program over a fresh copy of the generated catalogue.
class Program {
public:
    explicit Program(int discs) { std::filesystem::copy_file(GeneratedFile(discs), Catalogue()); }
    ~Program() { Stop(); }

    std::string Catalogue() const { return dir_.File("base.cbf"); }

    void Start() {
        session_ = std::make_unique<mcb::Session>(mcb::SessionServices{clock_, dates_, prompts_}, dir_.Path());
        session_->Start(Catalogue());
        form_ = std::make_unique<mcb::TMainForm>(*session_);
        mcb::WireProgram(*form_);
        form_->findChild<mcb::DiscCommandWindows*>()->SetPicker(&picker_);
        form_->resize(1200, 800);
        form_->show();
        Settle();
    }
    void Stop() {
        form_.reset();
        session_.reset();
    }

    // Lets the window take in every change and paints it.
    void Settle() {
        QApplication::processEvents();
        form_->repaint();
    }
    void Trigger(const char* command) {
        form_->commands()[command]->trigger();
        Settle();
    }
    void Select(int row) { form_->table()->SelectRow(row); }
    bool Lent(int row) const {
        return form_->table()->model()->index(row, 0).data(mcb::CatalogueTableModel::LentRole).toBool();
    }
    // The first row from `from` on whose lending state is `lent`.
    int RowWith(bool lent, int from) const {
        for (int row = from; row < form_->table()->model()->rowCount(); ++row)
            if (Lent(row) == lent) return row;
        return -1;
    }
    mcb::TMainForm& form() { return *form_; }
    mcb::Session& session() { return *session_; }

private:
    mcb::test::TempDir dir_;
    mcb::test::FixedClock clock_{kToday};
    mcb::test::FixedDateFormat dates_;
    mcb::test::AgreeingPrompts prompts_;
    ContactPicker picker_;
    std::unique_ptr<mcb::Session> session_;
    std::unique_ptr<mcb::TMainForm> form_;
};

template <class Window> void WhenShown(std::function<void(Window&)> act) {
    mcb::QueueModalScript([act](QDialog& dialog) { act(*qobject_cast<Window*>(&dialog)); });
}

void ReportPeak(benchmark::State& state) {
    state.counters["peak_MB"] = PeakMegabytes();
}

void StartUpToFirstPaint(benchmark::State& state) {
    const int discs = int(state.range(0));
    GeneratedFile(discs);
    ResetPeak();
    for (auto _ : state) {
        state.PauseTiming();
        {
            Program program(discs);
            state.ResumeTiming();
            program.Start();
            state.PauseTiming();
        }
        state.ResumeTiming();
    }
    ReportPeak(state);
}
BENCHMARK(StartUpToFirstPaint)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(5);

// Runs `action` on a started program, with `prepare` before each run outside the timing.
void RunAction(benchmark::State& state, const std::function<void(Program&)>& prepare,
               const std::function<void(Program&)>& action) {
    Program program(int(state.range(0)));
    program.Start();
    ResetPeak();
    for (auto _ : state) {
        state.PauseTiming();
        prepare(program);
        state.ResumeTiming();
        action(program);
    }
    ReportPeak(state);
    state.counters["shown"] = program.session().shown().counters().shown;
}

void SetTitleSearch(Program& program, const char* text) {
    WhenShown<mcb::TFilterForm>([text](mcb::TFilterForm& filter) {
        filter.BtClear->click();
        filter.FiNaz->setText(QString::fromUtf8(text));
        filter.BtClose->click();
    });
    program.Trigger("mmFilter");
}

void ApplyFilter(benchmark::State& state) {
    RunAction(
        state, [](Program& p) { SetTitleSearch(p, ""); }, [](Program& p) { SetTitleSearch(p, "matrix"); });
}
BENCHMARK(ApplyFilter)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(10);

void ClearFilter(benchmark::State& state) {
    RunAction(
        state, [](Program& p) { SetTitleSearch(p, "matrix"); }, [](Program& p) { SetTitleSearch(p, ""); });
}
BENCHMARK(ClearFilter)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(10);

// Arg 1: the sort order clicked, from the title order (or from the year order for the title).
void SortByHeading(benchmark::State& state) {
    const int order = int(state.range(1));
    const int from = order == 1 ? 9 : 1;
    const auto click = [](Program& p, int column) {
        emit p.form().table()->heading()->headingReleased(column, 0, 0);
        p.Settle();
    };
    RunAction(
        state, [&](Program& p) { click(p, from); }, [&](Program& p) { click(p, order); });
    state.SetLabel("order " + std::to_string(order));
}
BENCHMARK(SortByHeading)
    ->Args({100000, 1})
    ->Args({100000, 3})
    ->Args({100000, 9})
    ->Args({100000, 10})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);

void OpenEditor(benchmark::State& state) {
    RunAction(
        state, [](Program& p) { p.Select(0); },
        [](Program& p) {
            WhenShown<mcb::TEditDisk>([](mcb::TEditDisk&) {}); // closed unchanged, as by Cancel
            p.Trigger("mmEditCD");
        });
}
BENCHMARK(OpenEditor)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(10);

void SaveNewDisc(benchmark::State& state) {
    RunAction(
        state, [](Program&) {},
        [](Program& p) {
            WhenShown<mcb::TEditDisk>([](mcb::TEditDisk& editor) {
                editor.EdNazva->setText(QStringLiteral("Новый диск"));
                editor.BitBtn1->click();
            });
            p.Trigger("mmAddCD");
        });
}
BENCHMARK(SaveNewDisc)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(10);

// Lending and returning work on the row a step further down each time.
void LendDisc(benchmark::State& state) {
    int row = 0;
    RunAction(
        state, [&](Program& p) { p.Select(row = p.RowWith(false, row + 1)); },
        [](Program& p) { p.Trigger("mmGiveCD"); });
}
BENCHMARK(LendDisc)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(10);

void ReturnDisc(benchmark::State& state) {
    int row = 0;
    RunAction(
        state, [&](Program& p) { p.Select(row = p.RowWith(true, row + 1)); },
        [](Program& p) { p.Trigger("mmReturnCD"); });
}
BENCHMARK(ReturnDisc)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(10);

void DeleteDisc(benchmark::State& state) {
    RunAction(
        state, [](Program& p) { p.Select(p.RowWith(false, 0)); }, [](Program& p) { p.Trigger("mmKillCD"); });
}
BENCHMARK(DeleteDisc)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace

namespace {

// Arg 1: the keystroke, from the text before it to the repainted window: typing on, the first
// letter, taking a letter back.
void TypeSearch(benchmark::State& state) {
    static const std::pair<const char*, const char*> kKeystrokes[] = {{"звезд", "звезда"}, {"", "з"}, {"ан", "а"}};
    const auto& [before, after] = kKeystrokes[state.range(1)];
    const auto type = [](Program& p, const char* text) {
        p.form().searchField()->setText(QString::fromUtf8(text));
        p.Settle();
    };
    RunAction(
        state, [&](Program& p) { type(p, before); }, [&](Program& p) { type(p, after); });
    state.SetLabel(std::string(before) + " -> " + after);
}
BENCHMARK(TypeSearch)
    ->Args({100000, 0})
    ->Args({100000, 1})
    ->Args({100000, 2})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);

} // namespace

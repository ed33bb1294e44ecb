// The main window over a catalogue whose values hold megabytes: a 16 MB title, a description line of
// 8 MB, a 4 MB title without a blank, a debtor's name of 2 MB. Start-up to the painted window, moving
// through the table (the panel follows), F2 to the shown editor, and the summary window.
#include "app/Wiring.h"
#include "catalogue/Session.h"
#include "catalogue/ui/MainCommands.h"
#include "catalogue/ui/MainForm.h"
#include "catalogue/ui/MainTableView.h"
#include "platform/qt/ModalRun.h"
#include "support/FakeServices.h"
#include "support/TempDir.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

// Windows-1251 words of ten letters and a blank, to `bytes` bytes.
std::string Words(std::size_t bytes) {
    std::string text;
    text.reserve(bytes);
    while (text.size() < bytes) text += "\xE0\xE1\xE2\xE3\xE4\xE5\xE6\xE7\xE8\xE9 ";
    text.resize(bytes);
    return text;
}

struct Program {
    mcb::test::TempDir dir;
    mcb::test::FixedClock clock;
    mcb::test::FixedDateFormat dates;
    mcb::test::ScriptedPrompts prompts;
    std::unique_ptr<mcb::Session> session;
    std::unique_ptr<mcb::TMainForm> form;

    Program() {
        dir.Write("base.cbf", "[Common]\r\nLastCDID=00004\r\nContacts=0\r\n[Contacts]\r\n0=" + Words(2 << 20) +
                                  "\r\n[00001]\r\nNam=" + Words(16 << 20) +
                                  "\r\n[00002]\r\nNam=B\r\nLin=3\r\nLi1=a\r\nLi2=" + Words(8 << 20) +
                                  "\r\nLi3=c\r\n[00003]\r\nNam=" + std::string(4 << 20, 'x') +
                                  "\r\n[00004]\r\nNam=D\r\nGin=0\r\nGiv=46000\r\n");
    }
    void Start() {
        session = std::make_unique<mcb::Session>(mcb::SessionServices{clock, dates, prompts}, dir.Path());
        session->Start(dir.File("base.cbf"));
        form = std::make_unique<mcb::TMainForm>(*session);
        mcb::WireProgram(*form);
        form->resize(1000, 700);
        form->show();
        QApplication::processEvents();
        form->repaint();
    }
    void Stop() {
        form.reset();
        session.reset();
    }
    void Select(int row) {
        form->table()->setCurrentIndex(form->table()->model()->index(row, 1));
        QApplication::processEvents();
        form->repaint();
    }
    int RowOf(const QString& id) const {
        const QAbstractItemModel* model = form->table()->model();
        for (int row = 0; row < model->rowCount(); ++row)
            if (model->data(model->index(row, 0)).toString() == id) return row;
        return 0;
    }
    // Runs a command whose window closes as soon as it is shown.
    void RunAndClose(const char* command) {
        mcb::QueueModalScript([](QDialog& window) { window.reject(); });
        form->commands()[command]->trigger();
    }
};

void StartUpToPaintedWindow(benchmark::State& state) {
    Program program;
    for (auto _ : state) {
        program.Start();
        state.PauseTiming();
        program.Stop();
        state.ResumeTiming();
    }
}
BENCHMARK(StartUpToPaintedWindow)->Unit(benchmark::kMillisecond)->Iterations(3);

void MoveThroughTheTable(benchmark::State& state) {
    Program program;
    program.Start();
    int row = 0;
    for (auto _ : state) program.Select(row++ % 4);
}
BENCHMARK(MoveThroughTheTable)->Unit(benchmark::kMillisecond)->Iterations(8);

// F2 (the editor) or F3 (the summary) on each disc in turn.
void WindowOnEachDisc(benchmark::State& state, const char* command) {
    Program program;
    program.Start();
    int row = 0;
    for (auto _ : state) {
        state.PauseTiming();
        program.Select(row++ % 4);
        state.ResumeTiming();
        program.RunAndClose(command);
    }
}
BENCHMARK_CAPTURE(WindowOnEachDisc, editor, "mmEditCD")->Unit(benchmark::kMillisecond)->Iterations(4);
BENCHMARK_CAPTURE(WindowOnEachDisc, summary, "svodka")->Unit(benchmark::kMillisecond)->Iterations(4);

// F2 on the disc with the 16 MB title.
void EditorOnTheLongestTitle(benchmark::State& state) {
    Program program;
    program.Start();
    program.Select(program.RowOf("00001"));
    for (auto _ : state) program.RunAndClose("mmEditCD");
}
BENCHMARK(EditorOnTheLongestTitle)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

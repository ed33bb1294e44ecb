#include "OutputFixture.h"
#include "RecordingCanvas.h"
#include "output/PrintJob.h"
#include "storage/ErrorReport.h"
#include "support/FakeServices.h"

#include <gtest/gtest.h>

namespace mcb {
namespace {

using Lines = std::vector<std::string>;

CatalogueTable ThreeDiscs() {
    CatalogueTable table;
    table.rows = {test::Row({"00001", "Один"}), test::Row({"00002", "Два"}, "0", "45000"), test::Row({"00003", "Три"})};
    table.counters = {120, 7, 3, 1};
    return table;
}

struct Job {
    Job() : canvas(800, 3000) { printer.PrintFilter = false; }
    JobResult Report(const JobProgress& progress = {}) {
        const ReportSources sources{table, catalogue.ini(), filter, printer, clock, dates};
        return PrintCatalogueReport(canvas, {"Sans", 10}, sources, progress);
    }
    test::ReportCatalogue catalogue;
    test::FixedClock clock;
    test::FixedDateFormat dates;
    test::RecordingCanvas canvas;
    CatalogueTable table = ThreeDiscs();
    FilterCriteria filter;
    PrinterSettings printer;
};

TEST(PrintJob, ReportOpensWithTheTitleBlockThenTheDiscs) {
    Job job;
    job.printer.PrintFilter = true;
    ASSERT_EQ(JobOutcome::Printed, job.Report().outcome);
    const Lines lines = job.canvas.Lines();
    ASSERT_LE(6u, lines.size());
    const Lines head(lines.begin(), lines.begin() + 6);
    EXPECT_EQ((Lines{"Mirvane CD Base. Page 1", "Состояние на D46364 T60319",
                     "Всего дисков в базе : 120, из них отданных в долг : 7",
                     "Показано дисков : 3, из них отданных в долг: 1", "Условия отбора", "Показаны все диски"}),
              head);
    EXPECT_EQ("Один, ", lines[6]);
    EXPECT_EQ("Mirvane CD Base", job.canvas.jobTitle);
    EXPECT_EQ((std::vector<std::string>{"begin", "end"}), job.canvas.events);
    EXPECT_EQ("Sans", job.canvas.fontName);
}

// Centred by the width in the style before the text: plain for the first, bold for the others.
TEST(PrintJob, TitleLinesAreCentred) {
    Job job;
    job.printer.PrintPageNums = false;
    job.Report();
    const auto& texts = job.canvas.texts;
    const int dateWidth = 26 * 10; // "Состояние на D46364 T60319" measured plain
    EXPECT_EQ(400 - dateWidth / 2, texts[0].x);
    EXPECT_EQ(kBold, texts[0].style);
    const auto counters = std::find_if(texts.begin(), texts.end(), [](auto& t) { return t.text == "Всего "; });
    ASSERT_NE(counters, texts.end());
    const int countersWidth = int(W("Всего дисков в базе : 120, из них отданных в долг : 7").size()) * 12; // bold
    EXPECT_EQ(400 - countersWidth / 2, counters->x);
}

TEST(PrintJob, ConditionsOnlyWhenChosen) {
    for (bool conditions : {true, false}) {
        Job job;
        job.printer.PrintFilter = conditions;
        job.Report();
        const Lines lines = job.canvas.Lines();
        EXPECT_EQ(conditions, std::count(lines.begin(), lines.end(), "Условия отбора") == 1);
    }
}

// The first, third ... discs are shaded, and only with colour printing and bands both on.
TEST(PrintJob, BandsBehindEveryOtherDisc) {
    struct Case {
        bool colour, bands;
        std::vector<int> shaded;
    } cases[] = {{true, true, {0, 2}}, {true, false, {}}, {false, true, {}}};
    for (const Case& c : cases) {
        Job job;
        job.printer.EnabledColorPrint = c.colour;
        job.printer.EnabledBackColor = c.bands;
        job.Report();
        std::vector<int> shaded;
        const char* titles[] = {"Один", "Два", "Три"};
        for (int disc = 0; disc < 3; ++disc) {
            const auto& texts = job.canvas.texts;
            const auto title =
                std::find_if(texts.begin(), texts.end(), [&](auto& t) { return t.text == titles[disc]; });
            ASSERT_NE(title, texts.end());
            if (title->fill == job.printer.BackColor) shaded.push_back(disc);
        }
        EXPECT_EQ(c.shaded, shaded) << c.colour << c.bands;
        // one band per line: two lines for each disc, two more for the first one's description
        EXPECT_EQ(c.shaded.empty() ? 0u : 6u, job.canvas.Shapes(test::DrawnShape::Rectangle).size());
    }
}

TEST(PrintJob, EndsWithoutPrintingWhenThePrinterOrTheUserStops) {
    struct Case {
        const char* name;
        void (*set)(test::RecordingCanvas&);
        bool stop;
        JobOutcome outcome;
        std::vector<std::string> events;
    } cases[] = {
        {"refused start", [](test::RecordingCanvas& c) { c.refuseBegin = true; }, false, JobOutcome::Failed, {"begin"}},
        {"refused page",
         [](test::RecordingCanvas& c) { c.refusePage = 2; },
         false,
         JobOutcome::Failed,
         {"begin", "abort"}},
        {"refused end",
         [](test::RecordingCanvas& c) { c.refuseEnd = true; },
         false,
         JobOutcome::Failed,
         {"begin", "end"}},
        {"cancelled", [](test::RecordingCanvas&) {}, true, JobOutcome::Cancelled, {"begin", "abort"}},
    };
    for (const Case& c : cases) {
        Job job;
        job.canvas = test::RecordingCanvas(800, 200); // three discs take two pages
        c.set(job.canvas);
        int calls = 0;
        const JobResult result = job.Report([&](int done, int) { return ++calls, !(c.stop && done == 2); });
        EXPECT_EQ(c.outcome, result.outcome) << c.name;
        EXPECT_EQ(c.events, job.canvas.events) << c.name;
        if (c.outcome == JobOutcome::Failed) {
            EXPECT_EQ("printer says no", result.error) << c.name;
        }
        if (c.stop) {
            EXPECT_EQ(2, calls);
        }
    }
}

TEST(PrintJob, ProgressCountsDiscsAndPages) {
    Job job;
    job.canvas = test::RecordingCanvas(800, 200);
    std::vector<std::pair<int, int>> seen;
    job.Report([&](int done, int page) { return seen.emplace_back(done, page), true; });
    ASSERT_EQ(3u, seen.size());
    EXPECT_EQ(1, seen[0].first);
    EXPECT_EQ(3, seen[2].first);
    EXPECT_EQ(job.canvas.PageNumber(), seen[2].second);
    EXPECT_LT(1, seen[2].second);
}

TEST(PrintJob, NothingToPrint) {
    Job job;
    job.table = CatalogueTable{};
    EXPECT_EQ(JobOutcome::NothingToPrint, job.Report().outcome);
    const std::array<std::string, kColumnCount> captions;
    const test::ReportCatalogue catalogue;
    const CatalogueTable discs = ThreeDiscs();
    const std::vector<std::pair<CatalogueTable, std::string>> cases{
        {job.table, "00001"}, {discs, "00009"}, {discs, ""}};
    for (const auto& [table, id] : cases) {
        const SheetSources sheet{table, id, captions, catalogue.ini()};
        EXPECT_EQ(JobOutcome::NothingToPrint, PrintSingleDisc(job.canvas, {"Sans", 10}, sheet).outcome) << id;
    }
    EXPECT_TRUE(job.canvas.events.empty());
}

TEST(PrintJob, SheetOfTheChosenDiscWithoutPageNumbers) {
    Job job;
    std::array<std::string, kColumnCount> captions;
    captions[1] = W("Название");
    const SheetSources sheet{job.table, "00002", captions, job.catalogue.ini()};
    ASSERT_EQ(JobOutcome::Printed, PrintSingleDisc(job.canvas, {"Sans", 10}, sheet).outcome);
    EXPECT_EQ((Lines{"Название : Два", " "}), job.canvas.Lines());
    EXPECT_EQ(2u, job.canvas.Shapes(test::DrawnShape::Line).size());
}

TEST(PrintJob, WindowShowsTheOutcome) {
    std::vector<std::string> errors;
    const ErrorReporter previous = SetErrorReporter([&](const UserText& m) { errors.push_back(m.Cp1251()); });
    test::ScriptedPrompts prompts;
    ShowJobResult({JobOutcome::NothingToPrint, ""}, prompts);
    ShowJobResult({JobOutcome::Failed, "no paper"}, prompts);
    ShowJobResult({JobOutcome::Cancelled, ""}, prompts);
    ShowJobResult({JobOutcome::Printed, ""}, prompts);
    SetErrorReporter(previous);
    EXPECT_EQ((std::vector<std::string>{"message: " + W("Нет данных для печати")}), prompts.asked);
    EXPECT_EQ((std::vector<std::string>{"no paper"}), errors);
}

} // namespace
} // namespace mcb

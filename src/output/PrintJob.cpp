#include "output/PrintJob.h"

#include "catalogue/TableRows.h"
#include "catalogue/TableTexts.h"
#include "output/ConditionsBlock.h"
#include "output/DiscBlock.h"
#include "output/ReportLayout.h"
#include "platform/Services.h"
#include "storage/ErrorReport.h"
#include "storage/Literal.h"

namespace mcb {

namespace {

// Opens the job, lays it out with `body` and ends it; a refused page or a stop throws the pages away.
template <class Body>
JobResult RunJob(PrintCanvas& canvas, const PrintFont& font, const LayoutOptions& options, Body&& body) {
    if (!canvas.BeginJob(kJobTitle)) return {JobOutcome::Failed, canvas.ErrorText()};
    canvas.SetFont(font.name, font.size);
    ReportLayout layout(canvas, options);
    layout.Begin();
    const bool finished = body(layout);
    if (layout.Failed() || !finished) {
        canvas.AbortJob();
        return layout.Failed() ? JobResult{JobOutcome::Failed, canvas.ErrorText()}
                               : JobResult{JobOutcome::Cancelled, {}};
    }
    if (!canvas.EndJob()) return {JobOutcome::Failed, canvas.ErrorText()};
    return {};
}

std::string WithoutLeadingBlanks(const std::string& text) {
    const size_t first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first);
}

// Centred on the page by its width in the style current before it.
void Centred(ReportLayout& layout, const std::string& text) {
    layout.MoveTo(layout.cursor().PageWidth / 2 - layout.Width(text) / 2);
    layout.PutLine(kBold, text);
}

void TitleBlock(ReportLayout& layout, const ReportSources& sources) {
    const Clock& clock = sources.clock;
    layout.DrawSeparator();
    Centred(layout, W("Состояние на ") + sources.dateFormat.ShortDate(clock.Today()) + " " +
                        sources.dateFormat.LongTime(clock.SecondsOfDay()));
    const auto counters = CounterTexts(sources.table.counters);
    Centred(layout, counters[0] + ", " + WithoutLeadingBlanks(counters[1]));
    Centred(layout, counters[2] + ", " + WithoutLeadingBlanks(counters[3]));
    layout.DrawSeparator();
}

LayoutOptions ReportLayoutOptions(const PrintFont& font, const PrinterSettings& printer) {
    LayoutOptions options;
    options.fontSize = font.size;
    options.pageNumbers = printer.PrintPageNums;
    options.bands = printer.EnabledColorPrint && printer.EnabledBackColor;
    options.bandColour = printer.BackColor & 0xFFFFFF;
    return options;
}

} // namespace

JobResult PrintCatalogueReport(PrintCanvas& canvas, const PrintFont& font, const ReportSources& sources,
                               const JobProgress& progress) {
    if (sources.table.IsEmpty()) return {JobOutcome::NothingToPrint, {}};
    return RunJob(canvas, font, ReportLayoutOptions(font, sources.printer), [&](ReportLayout& layout) {
        TitleBlock(layout, sources);
        if (sources.printer.PrintFilter)
            PrintConditions(layout, sources.filter, sources.catalogue, sources.searchWords);
        layout.DrawSeparator();
        layout.DrawSeparator();
        layout.SetBandParity(true);
        DiscBlockPrinter discs(layout, sources.catalogue, sources.dateFormat, DiscBlockOptionsOf(sources.printer));
        int done = 0;
        for (const TableRow& row : sources.table.rows) {
            if (layout.Failed()) break;
            discs.Print(row);
            if (progress && !progress(++done, canvas.PageNumber())) return false;
        }
        return true;
    });
}

JobResult PrintSingleDisc(PrintCanvas& canvas, const PrintFont& font, const SheetSources& sources) {
    const TableRow* row = FindRow(sources.table, sources.discId);
    if (!row) return {JobOutcome::NothingToPrint, {}};
    LayoutOptions options;
    options.fontSize = font.size;
    return RunJob(canvas, font, options, [&](ReportLayout& layout) {
        layout.DrawSeparator();
        PrintDiscSheet(layout, *row, sources.captions, sources.catalogue);
        layout.DrawSeparator();
        return true;
    });
}

void ShowJobResult(const JobResult& result, Prompts& prompts) {
    if (result.outcome == JobOutcome::NothingToPrint) prompts.Message(W("Нет данных для печати"));
    if (result.outcome == JobOutcome::Failed) ReportError(result.error);
}

} // namespace mcb

#include "app/Wiring.h"
#include "catalogue/ui/CellPainter.h"
#include "catalogue/ui/MainForm.h"
#include "discs/ui/TCDinfo.h"
#include "output/ui/TPrintForm.h"

namespace mcb {

namespace {

int Stored(const QColor& colour) {
    return colour.red() | (colour.green() << 8) | (colour.blue() << 16);
}

RunningColours Running(const TableColours& colours) {
    return {Stored(colours.newMark), Stored(colours.lent)};
}

// The colour swatches of the print window change the table's colours at once.
void ApplyRunning(TMainForm& form, const RunningColours& running) {
    TableColours colours = form.tableColours();
    colours.newMark = ColourFromStored(running.newDisc);
    colours.lent = ColourFromStored(running.lentDisc);
    form.SetTableColours(colours);
}

} // namespace

void WirePrint(TMainForm& form) {
    auto* print = new TPrintForm(form.session(), &form); // one window for the whole run, like its printer
    print->runningColoursChanged = [&form](const RunningColours& running) { ApplyRunning(form, running); };
    form.ConnectCommand("mmPrintBase", [print, &form] {
        print->Execute(PrintMode::CatalogueReport, {}, Running(form.tableColours()));
        form.RebuildTable();
        form.FocusTable();
    });
    // The summary window, wired before, prints the sheet of the disc it shows.
    if (auto* summary = form.findChild<TCDinfo*>())
        summary->SetPrintHandler([print, &form](const std::string& discId) {
            print->Execute(PrintMode::DiscSheet, discId, Running(form.tableColours()));
        });
}

} // namespace mcb

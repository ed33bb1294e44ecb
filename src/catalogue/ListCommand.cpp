#include "catalogue/ListCommand.h"

#include "catalogue/CommandCatalogue.h"
#include "catalogue/CommandTable.h"
#include "catalogue/LiveTable.h"
#include "catalogue/TableTexts.h"
#include "storage/TextCodec.h"

#include <array>
#include <ostream>

namespace mcb {

namespace {

// Row by row, so that no copy of the whole table is made.
void PrintTable(const LiveTable& table, const TableLayout& layout, int sortOrder, std::ostream& out) {
    PrintCells(HeadingRow(layout, sortOrder), out);
    std::array<std::string, kColumnCount> cells;
    for (int row = 0; !table.IsEmpty() && row < table.RowCount(); ++row) {
        for (int c = 0; c < kColumnCount; ++c) cells[c] = table.CellText(row, c);
        PrintCells(cells, out);
    }
    out << '\n';
    for (const std::string& text : CounterTexts(table.counters())) out << Utf8FromCp1251(text) << '\n';
}

} // namespace

int RunListCommand(const ListRequest& request, std::ostream& out, std::ostream& err) {
    const std::optional<CommandTable> loaded = LoadCommandInputs(request, err);
    if (!loaded) return 1;
    LiveTable table;
    const SetupSettings& setup = loaded->settings.setup;
    table.Refresh(*loaded->catalogue, {loaded->settings.filter, setup, loaded->layout, request.today});
    PrintTable(table, loaded->layout, setup.SortOrder, out);
    return out.good() ? 0 : 1;
}

} // namespace mcb

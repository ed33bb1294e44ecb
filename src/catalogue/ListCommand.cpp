#include "catalogue/ListCommand.h"

#include "catalogue/CommandCatalogue.h"
#include "catalogue/CommandTable.h"
#include "catalogue/TableTexts.h"
#include "storage/TextCodec.h"

#include <ostream>

namespace mcb {

namespace {

void PrintTable(const CatalogueTable& table, const TableLayout& layout, int sortOrder, std::ostream& out) {
    PrintCells(HeadingRow(layout, sortOrder), out);
    if (!table.IsEmpty())
        for (const TableRow& row : table.rows) PrintCells(row.cells, out);
    out << '\n';
    for (const std::string& text : CounterTexts(table.counters)) out << Utf8FromCp1251(text) << '\n';
}

} // namespace

int RunListCommand(const ListRequest& request, std::ostream& out, std::ostream& err) {
    const std::optional<CommandTable> loaded = LoadCommandTable(request, err);
    if (!loaded) return 1;
    PrintTable(loaded->table, loaded->layout, loaded->settings.setup.SortOrder, out);
    return out.good() ? 0 : 1;
}

} // namespace mcb

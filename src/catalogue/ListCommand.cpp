#include "catalogue/ListCommand.h"

#include "catalogue/CommandTable.h"
#include "catalogue/TableTexts.h"
#include "storage/TextCodec.h"

#include <ostream>

namespace mcb {

namespace {

std::string PrintableUtf8(std::string cell) {
    for (char& c : cell)
        if (static_cast<unsigned char>(c) < 0x20) c = ' ';
    return Utf8FromCp1251(cell);
}

template <class Cells> void PrintLine(const Cells& cells, std::ostream& out) {
    for (size_t c = 0; c < cells.size(); ++c) out << (c ? "\t" : "") << PrintableUtf8(cells[c]);
    out << '\n';
}

void PrintTable(const CatalogueTable& table, const TableLayout& layout, int sortOrder, std::ostream& out) {
    PrintLine(HeadingRow(layout, sortOrder), out);
    if (!table.IsEmpty())
        for (const TableRow& row : table.rows) PrintLine(row.cells, out);
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

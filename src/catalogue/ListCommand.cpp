#include "catalogue/ListCommand.h"

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

void PrintTable(const CommandTable& loaded, std::ostream& out) {
    PrintLine(loaded.Headings(), out);
    if (!loaded.table.IsEmpty())
        for (const TableRow& row : loaded.table.rows) PrintLine(row.cells, out);
    out << '\n';
    for (const std::string& text : CounterTexts(loaded.table.counters)) out << Utf8FromCp1251(text) << '\n';
}

} // namespace

int RunListCommand(const ListRequest& request, std::ostream& out, std::ostream& err) {
    switch (CatalogueFileStateOf(request.cataloguePath)) {
    case CatalogueFileState::Unreadable:
        err << "mirvane-cdbase: не удается прочитать файл базы " << request.cataloguePath << '\n';
        return 1;
    case CatalogueFileState::Missing:
        err << "mirvane-cdbase: файл базы " << request.cataloguePath << " не найден, показана пустая база\n";
        break;
    case CatalogueFileState::Readable:
        break;
    }
    PrintTable(LoadCommandTable(request), out);
    return out.good() ? 0 : 1;
}

} // namespace mcb

#include "catalogue/ListCommand.h"

#include "catalogue/TableBuild.h"
#include "catalogue/TableTexts.h"
#include "storage/CatalogueFormat.h"
#include "storage/Layout.h"
#include "storage/MyIniFiles.h"
#include "storage/Settings.h"
#include "storage/TextCodec.h"

#include <optional>
#include <ostream>

namespace mcb {

namespace {

// The engine would look for a name without a directory in the settings directory; on the command
// line such a name means the current directory.
std::string CommandLinePath(const std::string& path) {
    return path.find('/') == std::string::npos ? "./" + path : path;
}

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
    // Opened for reading only: the engine writes a file back only after a change.
    const TIniFile catalogue(CommandLinePath(request.cataloguePath));
    if (const std::optional<UserText> refusal = CatalogueRefusal(catalogue)) {
        err << "mirvane-cdbase: " << refusal->Utf8() << '\n';
        return 1;
    }
    if (catalogue.Loaded() == ReadState::Missing)
        err << "mirvane-cdbase: файл базы " << request.cataloguePath << " не найден, показана пустая база\n";
    const TIniFile settingsFile(SettingsDirectoryPath() + kSettingsFileName);
    const Settings settings = ReadSettings(settingsFile, request.today);
    const TableLayout layout = ReadLayout(request.layoutPath);
    const TableBuildResult built =
        BuildTable(catalogue, settings.filter, settings.setup, layout, request.today, /*collectDebts=*/false);
    PrintTable(built.table, layout, settings.setup.SortOrder, out);
    return out.good() ? 0 : 1;
}

} // namespace mcb

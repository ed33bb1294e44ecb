#include "catalogue/ListCommand.h"

#include "catalogue/CommandCatalogue.h"
#include "catalogue/TableBuild.h"
#include "catalogue/TableTexts.h"
#include "storage/Layout.h"
#include "storage/MyIniFiles.h"
#include "storage/Settings.h"
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
    const auto path = CommandCataloguePath(request.cataloguePath, err);
    if (!path) return 1;
    // Opened for reading only: the engine writes a file back only after a change.
    const TIniFile catalogue(*path);
    const TIniFile settingsFile(SettingsDirectoryPath() + kSettingsFileName);
    const Settings settings = ReadSettings(settingsFile, request.today);
    const TableLayout layout = ReadLayout(request.layoutPath);
    const TableBuildResult built =
        BuildTable(catalogue, settings.filter, settings.setup, layout, request.today, /*collectDebts=*/false);
    PrintTable(built.table, layout, settings.setup.SortOrder, out);
    return out.good() ? 0 : 1;
}

} // namespace mcb

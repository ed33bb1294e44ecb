// The catalogue table built from arbitrary files: the input is the catalogue, a NUL byte, the
// settings file, a NUL byte and the table layout file. Checks the counters against the rows and
// that the settings survive a save.
#include "FuzzFiles.h"
#include "catalogue/TableBuild.h"
#include "catalogue/TableTexts.h"
#include "storage/Layout.h"
#include "storage/MyIniFiles.h"
#include "storage/Settings.h"

#include <string>
#include <vector>

namespace {

using mcb::fuzz::Fail;

// A day in 2025, so that stored days on both sides of it occur in the seeds.
constexpr int kToday = 45900;

void CheckCounters(const mcb::CatalogueTable& table) {
    const mcb::TableCounters& c = table.counters;
    if (table.rows.empty()) Fail("the table has no row at all");
    const int rows = table.IsEmpty() ? 0 : static_cast<int>(table.rows.size());
    if (c.shown != rows) Fail("the shown counter differs from the rows");
    if (c.lent > c.all || c.shown > c.all || c.shownLent > c.shown || c.shownLent > c.lent)
        Fail("the counters contradict each other");
    int lentRows = 0;
    for (const mcb::TableRow& row : table.rows) lentRows += !table.IsEmpty() && row.IsLent();
    if (c.shownLent != lentRows) Fail("the shown-lent counter differs from the rows");
}

std::string SavedSettings(const mcb::Settings& settings, const std::string& path) {
    mcb::fuzz::WriteFile(path, "");
    {
        mcb::TIniFile ini(path);
        mcb::WriteSettings(ini, settings);
    }
    return mcb::fuzz::ReadFile(path);
}

// Settings written, read back and written again give the same file.
void CheckSettingsRoundTrip(const mcb::Settings& settings) {
    const std::string path = mcb::fuzz::ScratchDir() + "/saved.ini";
    const std::string first = SavedSettings(settings, path);
    const mcb::Settings reread = mcb::ReadSettings(mcb::TIniFile(path), kToday);
    if (SavedSettings(reread, path) != first) Fail("the settings change in a save");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    mcb::fuzz::ScratchDir();
    mcb::fuzz::FailOnReports();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string_view> parts = mcb::fuzz::SplitInput(data, size, 3);
    const std::string dir = mcb::fuzz::ScratchDir();
    mcb::fuzz::WriteFile(dir + "/catalogue.cbf", parts[0]);
    mcb::fuzz::WriteFile(dir + "/settings.ini", parts[1]);
    mcb::fuzz::WriteFile(dir + "/fields.ini", parts[2]);

    const mcb::TIniFile catalogue(dir + "/catalogue.cbf");
    const mcb::Settings settings = mcb::ReadSettings(mcb::TIniFile(dir + "/settings.ini"), kToday);
    const mcb::TableLayout layout = mcb::ReadLayout(dir + "/fields.ini");
    const mcb::TableBuildResult built =
        mcb::BuildTable(catalogue, settings.filter, settings.setup, layout, kToday, /*collectDebts=*/true);
    CheckCounters(built.table);
    mcb::HeadingRow(layout, settings.setup.SortOrder);
    mcb::CounterTexts(built.table.counters);
    CheckSettingsRoundTrip(settings);
    return 0;
}

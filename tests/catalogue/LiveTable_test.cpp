// The table kept in step with the catalogue gives, after every change, exactly the table that a
// build from scratch gives: random catalogues with many ties go through random sequences of the
// changes the program makes (add, edit, lend, return, delete, filter, sort, list names, settings,
// saves that fail and are undone).
#include "LiteralExchangeSort.h"
#include "catalogue/LiveTable.h"
#include "catalogue/TableBuild.h"
#include "storage/CatalogueFormat.h"
#include "storage/ErrorReport.h"
#include "storage/Layout.h"
#include "storage/MyIniFiles.h"
#include "support/FullDisk.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <memory>
#include <random>
#include <string>

namespace mcb {
namespace {

constexpr int kToday = 46000;

// Few distinct values, so that ties and equal texts are common; letter case and the mark's
// blanks make texts equal only after upper-casing.
const std::vector<std::string> kTitles = {"", "a", "A", "ab", "AB", "b", "\xEC", "\xCC", "\xEC\xE8", "Z", "   !New!"};
const std::vector<std::string> kIndices = {"-1", "0", "1", "2", "03", "", "x"};

class Catalogue {
public:
    explicit Catalogue(unsigned seed) : random_(seed), file_(std::make_unique<TIniFile>(dir_.File("base.cbf"))) {
        for (int k = 0; k < 3; ++k) RenameEntry();
        const int discs = int(random_() % 60);
        for (int n = 0; n < discs; ++n) AddDisc();
    }

    TIniFile& file() { return *file_; }
    std::mt19937& random() { return random_; }

    const std::string& Pick(const std::vector<std::string>& values) { return values[random_() % values.size()]; }
    int Below(int n) { return int(random_() % unsigned(n)); }

    void AddDisc() {
        const std::string id = DiscIdText(ReadCommonCounters(*file_).lastCdid + 1);
        file_->WriteString("Common", "LastCDID", id);
        EditDisc(id);
    }
    // Every value the table reads, drawn again.
    void EditDisc(const std::string& id) {
        file_->WriteString(id, "Nam", Pick(kTitles));
        file_->WriteString(id, "Nam2", Below(3) ? "" : Pick(kTitles));
        for (const char* key : {"Gen", "Cou", "Comp", "Oth"}) file_->WriteString(id, key, Pick(kIndices));
        file_->WriteString(id, "Aud", std::to_string(Below(6) - 1));
        file_->WriteString(id, "Rol", Pick(kTitles));
        file_->WriteString(id, "Dir", Pick(kTitles));
        file_->WriteString(id, "Year", Below(2) ? "" : std::to_string(1990 + Below(3)));
        file_->WriteString(id, "Lon", std::to_string(Below(3) * 45));
        file_->WriteString(id, "Car", std::to_string((Below(4) - 1) * 1024 + Below(3)));
        file_->WriteString(id, "Ent", std::to_string(kToday - Below(30)));
        Lend(id, Below(3) == 0);
    }
    void Lend(const std::string& id, bool lent) {
        file_->WriteString(id, "Gin", lent ? Pick(kIndices) : "-1");
        file_->WriteString(id, "Giv", std::to_string(kToday - Below(40)));
    }
    std::string SomeDisc() {
        const std::vector<long long> discs = EnumerateDiscs(*file_);
        return discs.empty() ? DiscIdText(1) : DiscIdText(discs[size_t(Below(int(discs.size())))]);
    }
    void RenameEntry() {
        const char* lists[] = {"Genres", "Countries", "Company"};
        file_->WriteString(lists[Below(3)], std::to_string(Below(4)), Pick(kTitles) + "n");
    }
    // Saves a change to disc `id` on a full disk: the change is reported and undone.
    void FailedSave(const std::string& id) {
        test::FullDisk full;
        EXPECT_FALSE(file_->ChangeAndSave([&] {
            EditDisc(id);
            AddDisc();
        }));
    }
    // The catalogue as saved, read by a new instance.
    void Reopen() {
        EXPECT_TRUE(file_->ChangeAndSave([] {}));
        file_ = std::make_unique<TIniFile>(dir_.File("base.cbf"));
    }

private:
    test::TempDir dir_;
    std::mt19937 random_;
    std::unique_ptr<TIniFile> file_;
};

struct Inputs {
    FilterCriteria filter;
    SetupSettings setup;
    TableLayout layout = BuiltInLayout();
    int today = kToday;
};

void RandomFilter(Catalogue& c, FilterCriteria& f) {
    f = FilterCriteria{};
    switch (c.Below(6)) {
    case 0:
        f.Nazva = c.Pick(kTitles);
        f.SubNazva = c.Below(2);
        break;
    case 1:
        f.Genree = c.Pick(kIndices) + " " + c.Pick(kIndices);
        break;
    case 2:
        f.Otdacha = c.Below(2);
        f.Nalichie = !f.Otdacha || c.Below(2);
        break;
    case 3:
        f.Au[size_t(c.Below(4))] = false;
        f.hozi = c.Below(3);
        break;
    case 4:
        f.CountList = c.Pick(kIndices);
        f.Company = c.Pick(kIndices);
        break;
    default:
        break; // every disc
    }
}

// One random change of the catalogue or of the inputs.
int Step(Catalogue& c, Inputs& in) {
    TIniFile& file = c.file();
    const int kind = c.Below(14);
    switch (kind) {
    case 0:
        c.AddDisc();
        break;
    case 1:
    case 2:
        c.EditDisc(c.SomeDisc());
        break;
    case 3:
        c.Lend(c.SomeDisc(), true);
        break;
    case 4:
        c.Lend(c.SomeDisc(), false);
        break;
    case 5:
        file.EraseSection(c.SomeDisc());
        break;
    case 6:
        RandomFilter(c, in.filter);
        break;
    case 7:
        in.setup.SortOrder = c.Below(14) - 1; // outside 0..11 included
        break;
    case 8:
        c.RenameEntry();
        break;
    case 9:
        in.setup.ShowNewCD = c.Below(2);
        in.setup.NewCDdays = c.Below(20);
        in.setup.EmptyInclude = c.Below(2);
        in.today += c.Below(3);
        break;
    case 10:
        c.FailedSave(c.SomeDisc());
        break;
    case 11:
        file.WriteString("Common", "LastCDID", DiscIdText(ReadCommonCounters(file).lastCdid + c.Below(5) - 3));
        break;
    case 12:
        file.WriteString(c.SomeDisc(), "Nam", "");
        file.WriteString(c.SomeDisc(), "nam2", c.Pick(kTitles));
        break;
    default:
        c.Reopen();
        break;
    }
    return kind;
}

void ExpectSameTables(const CatalogueTable& expected, const LiveTable& live, const std::string& where) {
    const CatalogueTable actual = live.Snapshot();
    ASSERT_EQ(expected.rows.size(), actual.rows.size()) << where;
    for (size_t r = 0; r < expected.rows.size(); ++r) {
        const TableRow& e = expected.rows[r];
        const TableRow& a = actual.rows[r];
        ASSERT_EQ(e.cells, a.cells) << where << " row " << r;
        ASSERT_EQ(std::tie(e.ent, e.giv, e.gin, e.oth), std::tie(a.ent, a.giv, a.gin, a.oth)) << where << " row " << r;
        ASSERT_EQ(!expected.IsEmpty() && e.IsLent(), live.RowLent(int(r))) << where;
        ASSERT_EQ(expected.IsEmpty() ? "" : e.cells[0], live.DiscIdOfRow(int(r))) << where;
        ASSERT_EQ(expected.IsEmpty() ? -1 : int(r), live.RowOfDisc(e.cells[0])) << where;
        for (int column = 0; column < kColumnCount; ++column)
            ASSERT_EQ(e.cells[column], live.CellText(int(r), column)) << where;
    }
    const TableCounters& ec = expected.counters;
    const TableCounters& ac = live.counters();
    ASSERT_EQ(std::tie(ec.all, ec.lent, ec.shown, ec.shownLent), std::tie(ac.all, ac.lent, ac.shown, ac.shownLent))
        << where;
    ASSERT_EQ(int(expected.rows.size()), live.RowCount()) << where;
}

// The rows in identifier order sorted by the literal exchange sort: the order, ties included,
// checked independently of the sort keys.
void ExpectExchangeOrder(const TIniFile& file, const Inputs& in, const CatalogueTable& built) {
    SetupSettings unsorted = in.setup;
    unsorted.SortOrder = 0;
    std::vector<TableRow> rows = BuildTable(file, in.filter, unsorted, in.layout, in.today, false).table.rows;
    test::LiteralSort(rows, in.setup.SortOrder);
    ASSERT_EQ(rows.size(), built.rows.size());
    for (size_t r = 0; r < rows.size(); ++r) ASSERT_EQ(rows[r].cells, built.rows[r].cells) << "row " << r;
}

TEST(LiveTable, EveryStepGivesTheTableOfAFullBuild) {
    SetErrorReporter([](const UserText&) {});
    for (unsigned seed = 1; seed <= 40; ++seed) {
        Catalogue catalogue(seed);
        Inputs in;
        LiveTable live;
        for (int step = 0; step < 60; ++step) {
            const int kind = step > 0 ? Step(catalogue, in) : -1;
            live.Refresh(catalogue.file(), {in.filter, in.setup, in.layout, in.today});
            const CatalogueTable built =
                BuildTable(catalogue.file(), in.filter, in.setup, in.layout, in.today, false).table;
            const std::string where =
                "seed " + std::to_string(seed) + " step " + std::to_string(step) + " kind " + std::to_string(kind);
            ExpectSameTables(built, live, where);
            ExpectExchangeOrder(catalogue.file(), in, built);
            if (HasFailure()) return;
        }
    }
    SetErrorReporter({});
}

// More changes between two refreshes than the catalogue keeps a note of: everything is read again.
TEST(LiveTable, ManyChangesBetweenRefreshesAreAllSeen) {
    Catalogue catalogue(7);
    Inputs in;
    LiveTable live;
    live.Refresh(catalogue.file(), {in.filter, in.setup, in.layout, in.today});
    for (int k = 0; k < 5000; ++k) catalogue.AddDisc();
    live.Refresh(catalogue.file(), {in.filter, in.setup, in.layout, in.today});
    ExpectSameTables(BuildTable(catalogue.file(), in.filter, in.setup, in.layout, in.today, false).table, live, "");
}

// The window may paint the rows between the end of a catalogue instance (a switch to another
// catalogue) and the next refresh: they are still the rows of the last refresh.
TEST(LiveTable, RowsOutliveTheirCatalogueUntilTheNextRefresh) {
    Inputs in;
    LiveTable live;
    CatalogueTable before;
    {
        Catalogue catalogue(3);
        catalogue.AddDisc();
        live.Refresh(catalogue.file(), {in.filter, in.setup, in.layout, in.today});
        before = BuildTable(catalogue.file(), in.filter, in.setup, in.layout, in.today, false).table;
    }
    ExpectSameTables(before, live, "after the catalogue is gone");
}

} // namespace
} // namespace mcb

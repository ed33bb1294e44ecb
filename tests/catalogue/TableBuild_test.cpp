#include "CatalogueFixture.h"
#include "catalogue/TableBuild.h"
#include "catalogue/TableCells.h"
#include "catalogue/TableTexts.h"
#include "storage/Layout.h"
#include "storage/Literal.h"
#include "storage/MyIniFiles.h"
#include "support/TempDir.h"

#include <functional>
#include <gtest/gtest.h>

namespace mcb {
namespace {

constexpr int kToday = 46000;

// Five discs (00005 was deleted): 2, 3 and 4 are lent, 3 and 6 belong to someone else.
std::vector<test::FixtureSection> FilterFixture() {
    return {
        {"Common", {{"LastCDID", "00006"}, {"Genres", "2"}, {"Countries", "1"}, {"Company", "1"}, {"Contacts", "7"}}},
        {"Genres", {{"0", "Драма"}, {"1", "Комедия"}, {"2", "Мультфильм"}}},
        {"Countries", {{"0", "Россия"}, {"1", "Франция"}, {"1234", "Италия"}}},
        {"Company", {{"0", "Мосфильм"}, {"1", "Gaumont"}}},
        {"Contacts",
         {{"3", "Иван"}, {"3_mail", "ivan@example.org"}, {"5", "Петр"}, {"5_mail", "petr@example.org"}, {"7", "Анна"}}},
        {"00001",
         {{"Nam", "Война и мир"},
          {"Nam2", ""},
          {"Gen", "0"},
          {"Aud", "0"},
          {"Rol", "Тихонов"},
          {"Cou", "0"},
          {"Lon", "120"},
          {"Car", "3074"},
          {"Ent", "45000"},
          {"Giv", "0"},
          {"Gin", "-1"},
          {"Oth", "-1"},
          {"Comp", "0"},
          {"Dir", "Бондарчук"},
          {"Year", "1966"}}},
        {"00002",
         {{"Nam", "Миражи"},
          {"Gen", "1"},
          {"Aud", "1"},
          {"Cou", "-1"},
          {"Comp", "1"},
          {"Ent", "46000"},
          {"Giv", "45985"},
          {"Gin", "3"},
          {"Oth", "-1"}}},
        {"00003",
         {{"Nam", "  "},
          {"Nam2", "мир"},
          {"Gen", "-1"},
          {"Aud", "-1"},
          {"Cou", "1"},
          {"Comp", "-1"},
          {"Giv", "45900"},
          {"Gin", "5"},
          {"Oth", "2"}}},
        {"00004",
         {{"Nam", "Alpha"},
          {"Gen", ""},
          {"Aud", "3"},
          {"Cou", "1234"},
          {"Comp", ""},
          {"Lon", "0"},
          {"Gin", "7"},
          {"Oth", "-1"}}},
        {"00006",
         {{"Nam", "Beta"}, {"Gen", "2"}, {"Aud", "2"}, {"Cou", "12345"}, {"Comp", "0"}, {"Gin", "-1"}, {"Oth", "1"}}},
    };
}

class TableBuildTest : public ::testing::Test {
protected:
    void Use(const std::vector<test::FixtureSection>& sections) {
        dir_.Write("base.cbf", test::CatalogueText(sections));
        catalogue_ = std::make_unique<TIniFile>(dir_.File("base.cbf"));
    }
    TableBuildResult Build(const FilterCriteria& filter, const SetupSettings& setup, bool collectDebts = false) {
        return BuildTable(*catalogue_, filter, setup, BuiltInLayout(), kToday, collectDebts);
    }
    static std::vector<std::string> Ids(const CatalogueTable& table) {
        std::vector<std::string> ids;
        if (!table.IsEmpty())
            for (const TableRow& row : table.rows) ids.push_back(row.cells[0]);
        return ids;
    }

    test::TempDir dir_;
    std::unique_ptr<TIniFile> catalogue_;
};

SetupSettings Unsorted() {
    SetupSettings setup;
    setup.SortOrder = 0;
    return setup;
}

TEST_F(TableBuildTest, FilterCriteriaAndEmptyIncludeExceptions) {
    Use(FilterFixture());
    struct Case {
        const char* name;
        std::function<void(FilterCriteria&, SetupSettings&)> change;
        std::vector<std::string> shown;
    } cases[] = {
        {"no restriction", [](auto&, auto&) {}, {"00001", "00002", "00003", "00004", "00006"}},
        {"lent only", [](auto& f, auto&) { f.Nalichie = false; }, {"00002", "00003", "00004"}},
        {"in stock only", [](auto& f, auto&) { f.Otdacha = false; }, {"00001", "00006"}},
        {"debtors 3 and 5", [](auto& f, auto&) { f.OtdaList = "3 5"; }, {"00001", "00002", "00003", "00006"}},
        {"debtors -1 means none",
         [](auto& f, auto&) { f.OtdaList = "-1 "; },
         {"00001", "00002", "00003", "00004", "00006"}},
        {"own discs", [](auto& f, auto&) { f.hozi = 1; }, {"00001", "00002", "00004"}},
        {"foreign discs", [](auto& f, auto&) { f.hozi = 2; }, {"00003", "00006"}},
        {"title part", [](auto& f, auto&) { f.Nazva = W("мир"); }, {"00001", "00002", "00003"}},
        {"whole title",
         [](auto& f, auto&) {
             f.Nazva = W("МИР");
             f.SubNazva = false;
         },
         {"00003"}},
        {"untrimmed search text", [](auto& f, auto&) { f.Nazva = W(" мир"); }, {"00001"}},
        {"blank search text", [](auto& f, auto&) { f.Nazva = "   "; }, {"00001", "00002", "00003", "00004", "00006"}},
        {"genre with empty ones", [](auto& f, auto&) { f.Genree = "2"; }, {"00003", "00004", "00006"}},
        {"genre without empty ones",
         [](auto& f, auto& s) {
             f.Genree = "2";
             s.EmptyInclude = false;
         },
         {"00006"}},
        {"all audiences without EmptyInclude",
         [](auto&, auto& s) { s.EmptyInclude = false; },
         {"00001", "00002", "00003", "00004", "00006"}},
        {"no youth audience", [](auto& f, auto&) { f.Au[1] = false; }, {"00001", "00003", "00004", "00006"}},
        {"no children, no empty audience",
         [](auto& f, auto& s) {
             f.Au[0] = false;
             s.EmptyInclude = false;
         },
         {"00002", "00004", "00006"}},
        {"country entry cut to four characters",
         [](auto& f, auto& s) {
             f.CountList = "12345";
             s.EmptyInclude = false;
         },
         {"00004"}},
        {"company with empty ones", [](auto& f, auto&) { f.Company = "1"; }, {"00002", "00003", "00004"}},
        {"company without empty ones",
         [](auto& f, auto& s) {
             f.Company = "1";
             s.EmptyInclude = false;
         },
         {"00002"}},
    };
    for (const Case& c : cases) {
        FilterCriteria filter;
        SetupSettings setup = Unsorted();
        c.change(filter, setup);
        EXPECT_EQ(c.shown, Ids(Build(filter, setup).table)) << c.name;
    }
}

TEST_F(TableBuildTest, CountersCountAllDiscsEvenWhenNoneIsShown) {
    Use(FilterFixture());
    FilterCriteria filter;
    filter.Nalichie = false;
    filter.Otdacha = false;
    const CatalogueTable table = Build(filter, Unsorted()).table;
    EXPECT_TRUE(table.IsEmpty());
    ASSERT_EQ(1u, table.rows.size());
    EXPECT_EQ(5, table.counters.all);
    EXPECT_EQ(3, table.counters.lent);
    EXPECT_EQ(0, table.counters.shown);
    EXPECT_EQ(0, table.counters.shownLent);

    filter = FilterCriteria{};
    filter.OtdaList = "3";
    const TableCounters some = Build(filter, Unsorted()).table.counters;
    EXPECT_EQ(3, some.shown);
    EXPECT_EQ(1, some.shownLent);
}

TEST_F(TableBuildTest, EmptyOrMissingCatalogueGivesOneEmptyRow) {
    catalogue_ = std::make_unique<TIniFile>(dir_.File("missing.cbf"));
    const CatalogueTable table = Build(FilterCriteria{}, SetupSettings{}).table;
    ASSERT_EQ(1u, table.rows.size());
    EXPECT_TRUE(table.IsEmpty());
    EXPECT_EQ(TableRow{}.cells, table.rows[0].cells);
    EXPECT_EQ(0, table.counters.all + table.counters.lent + table.counters.shown + table.counters.shownLent);
}

TEST_F(TableBuildTest, CellsOfARow) {
    Use(FilterFixture());
    const CatalogueTable table = Build(FilterCriteria{}, Unsorted()).table;
    const TableRow& war = table.rows[0];
    const std::array<std::string, 12> expected = {
        "00001",     W("Война и мир"), "",     W("Драма"), W("Детский"), W("Тихонов"), W("Бондарчук"),
        W("Россия"), W("Мосфильм"),    "1966", "120",      "DVD 2"};
    EXPECT_EQ(expected, war.cells);
    EXPECT_EQ("45000", war.ent);
    EXPECT_EQ("-1", war.gin);

    const TableRow& alpha = table.rows[3]; // Lon 0, no medium, empty references
    EXPECT_EQ(W("Только для взрослых"), alpha.cells[4]);
    EXPECT_EQ(W("Италия"), alpha.cells[7]);
    for (int c : {3, 8, 10, 11}) EXPECT_EQ("", alpha.cells[c]) << c;
    EXPECT_EQ("0", alpha.ent) << "defaults of missing keys";
    EXPECT_EQ("0", alpha.giv);
    EXPECT_EQ("-1", table.rows[4].gin);
    EXPECT_EQ("", table.rows[4].cells[7]) << "index 12345 names no country";
}

TEST(TableCells, AudienceAndCarrierTexts) {
    const TableLayout layout = BuiltInLayout();
    const std::pair<const char*, std::string> audiences[] = {{"-1", ""}, {"0", W("Детский")}, {"2", W("Семейный")},
                                                             {"4", ""},  {"01", ""},          {"", ""}};
    for (const auto& [aud, name] : audiences) EXPECT_EQ(name, AudienceName(aud)) << aud;
    const std::pair<const char*, std::string> carriers[] = {
        {"-1024", ""},   {"3073", "DVD 1"}, {"0", "CD 0"}, {"5121", "VHS 1"}, {"7169", " 1"},
        {"16385", " 1"}, {"-2048", " 0"},   {"abc", ""},   {"", ""},          {" -1024", ""}};
    for (const auto& [car, text] : carriers) EXPECT_EQ(text, CarrierText(car, layout)) << car;
}

TEST_F(TableBuildTest, NewMarkBoundaries) {
    Use({{"Common", {{"LastCDID", "00004"}}},
         {"00001", {{"Nam", "Today"}, {"Ent", "46000"}}},
         {"00002", {{"Nam", "Yesterday"}, {"Ent", "45999"}}},
         {"00003", {{"Nam", "Broken"}, {"Ent", "x1"}}},
         {"00004", {{"Nam", "Fortnight"}, {"Ent", "45985"}}}});
    struct Case {
        bool show;
        int days;
        std::vector<std::string> titles;
    } cases[] = {
        {true, 0, {"Today   !New!", "Yesterday", "Broken", "Fortnight"}},
        {true, 15, {"Today   !New!", "Yesterday   !New!", "Broken", "Fortnight   !New!"}},
        {true, 14, {"Today   !New!", "Yesterday   !New!", "Broken", "Fortnight"}},
        {true, 46000, {"Today   !New!", "Yesterday   !New!", "Broken   !New!", "Fortnight   !New!"}},
        {false, 15, {"Today", "Yesterday", "Broken", "Fortnight"}},
    };
    for (const Case& c : cases) {
        SetupSettings setup = Unsorted();
        setup.ShowNewCD = c.show;
        setup.NewCDdays = c.days;
        std::vector<std::string> titles;
        for (const TableRow& row : Build(FilterCriteria{}, setup).table.rows) titles.push_back(row.cells[1]);
        EXPECT_EQ(c.titles, titles) << c.show << " " << c.days;
    }
}

TEST_F(TableBuildTest, OverdueDebtsIgnoreTheFilterAndNeedBothSwitches) {
    Use(FilterFixture());
    FilterCriteria hideAll;
    hideAll.Nalichie = false;
    hideAll.Otdacha = false;
    SetupSettings setup = Unsorted();
    setup.DolgReminder = true;
    const std::vector<DebtRow> debts = Build(hideAll, setup, true).debts;
    // Disc 00002 was lent exactly 15 days ago, which is not yet overdue.
    ASSERT_EQ(2u, debts.size());
    EXPECT_EQ(W("Петр"), debts[0].name);
    EXPECT_EQ(W("мир"), debts[0].title) << "blank Nam falls back to Nam2";
    EXPECT_EQ("100", debts[0].days);
    EXPECT_EQ("petr@example.org", debts[0].mail);
    EXPECT_EQ(W("Анна"), debts[1].name);
    EXPECT_EQ("Alpha", debts[1].title);
    EXPECT_EQ("46000", debts[1].days);
    EXPECT_EQ("", debts[1].mail);

    for (auto [collect, reminder] : {std::pair{true, false}, {false, true}, {false, false}}) {
        setup.DolgReminder = reminder;
        EXPECT_TRUE(Build(FilterCriteria{}, setup, collect).debts.empty()) << collect << reminder;
    }
}

TEST_F(TableBuildTest, RowsAreSortedBySortOrder) {
    Use(FilterFixture());
    SetupSettings setup;
    setup.SortOrder = 1;
    const std::vector<std::string> byTitle = {"00003", "00004", "00006", "00001", "00002"};
    EXPECT_EQ(byTitle, Ids(Build(FilterCriteria{}, setup).table));
    setup.SortOrder = 9; // discs without a year first, then by title
    const std::vector<std::string> byYear = {"00003", "00004", "00006", "00002", "00001"};
    EXPECT_EQ(byYear, Ids(Build(FilterCriteria{}, setup).table));
}

TEST_F(TableBuildTest, YoSortsBetweenIeAndZheInTitlesNamesAndTexts) {
    Use({{"Common", {{"LastCDID", "00004"}, {"Genres", "3"}}},
         {"Genres", {{"0", "Ёлочные"}, {"1", "Драма"}, {"2", "Жесть"}, {"3", "Единоборства"}}},
         {"00001", {{"Nam", "Ёжик"}, {"Dir", "Ёлкин"}, {"Gen", "0"}}},
         {"00002", {{"Nam", "Актриса"}, {"Dir", "Жуков"}, {"Gen", "1"}}},
         {"00003", {{"Nam", "жук"}, {"Dir", "Егоров"}, {"Gen", "3"}}},
         {"00004", {{"Nam", "еж"}, {"Dir", "ёлкин"}, {"Gen", "2"}}}});
    const struct {
        int order;
        std::vector<std::string> ids;
    } cases[] = {
        {1, {"00002", "00004", "00001", "00003"}}, // Актриса еж Ёжик жук
        {3, {"00002", "00003", "00001", "00004"}}, // Драма Единоборства Ёлочные Жесть
        {6, {"00003", "00004", "00001", "00002"}}, // Егоров, ёлкин = Ёлкин by title, Жуков
    };
    for (const auto& c : cases) {
        SetupSettings setup;
        setup.SortOrder = c.order;
        EXPECT_EQ(c.ids, Ids(Build(FilterCriteria{}, setup).table)) << c.order;
    }
}

TEST(TableTexts, CaptionHeadingsAndCounters) {
    // The file name shows as it is, also where Windows-1251 cannot hold it.
    const std::pair<std::string, std::string> captions[] = {{"/home/u/Фильмы/мои диски.cbf", "мои диски.cbf"},
                                                            {"base.cbf", "base.cbf"},
                                                            {"/home/u/日本/映画 Łódź.cbf", "映画 Łódź.cbf"}};
    for (const auto& [path, name] : captions) EXPECT_EQ("Mirvane CD Base 1.8.1 - " + name, WindowCaption(path).Utf8());

    const TableLayout layout = BuiltInLayout();
    EXPECT_EQ("#  ID", HeadingRow(layout, 0)[0]);
    EXPECT_EQ(W("#  Год выпуска"), HeadingRow(layout, 9)[9]);
    EXPECT_EQ(W("Название"), HeadingRow(layout, 9)[1]);
    EXPECT_EQ(layout.headers, HeadingRow(layout, 12));
    EXPECT_EQ(layout.headers, HeadingRow(layout, -1));

    const auto texts = CounterTexts(TableCounters{12, 3, 7, 1});
    EXPECT_EQ(W("Всего дисков в базе : 12"), texts[0]);
    EXPECT_EQ(W("   из них отданных в долг : 3"), texts[1]);
    EXPECT_EQ(W("Показано дисков : 7"), texts[2]);
    EXPECT_EQ(W("   из них отданных в долг: 1"), texts[3]);
}

TEST_F(TableBuildTest, DiscValuesAreReadAsSingleKeyLookupsWouldReadThem) {
    Use({{"00001", {{"nam", "first"}, {"Nam", "second"}, {"GIN", "3"}, {"Gin", "4"}, {"Year", ""}, {"Li1", "x"}}}});
    const DiscValues d = ReadDiscValues(*catalogue_, "00001");
    const std::pair<const char*, const std::string*> fields[] = {{"Nam", &d.Nam},   {"Nam2", &d.Nam2}, {"Gin", &d.Gin},
                                                                 {"Year", &d.Year}, {"Car", &d.Car},   {"Oth", &d.Oth}};
    const std::pair<const char*, const char*> defaults[] = {{"Nam2", ""}, {"Car", "-1024"}, {"Oth", "-1"}};
    for (const auto& [key, value] : fields) {
        std::string expected = catalogue_->ReadString("00001", key, "");
        for (const auto& [k, fallback] : defaults)
            if (std::string(k) == key) expected = fallback;
        EXPECT_EQ(expected, *value) << key;
    }
    EXPECT_EQ("first", d.Nam);
    EXPECT_EQ("3", d.Gin);
}

TEST_F(TableBuildTest, RememberedNamesEqualDirectReads) {
    Use({{"Genres", {{"3", "Drama"}, {"03", "Other"}, {"-1", "Minus"}, {"4095", "Last"}, {"4096", "Big"}}}});
    ReferenceNames names(*catalogue_, "Genres");
    for (int round = 0; round < 2; ++round)
        for (const char* index : {"3", "03", "-1", "", "4095", "4096", "7", "3 ", "x"})
            EXPECT_EQ(catalogue_->ReadString("Genres", index, ""), names.Name(index)) << index;
}

} // namespace
} // namespace mcb

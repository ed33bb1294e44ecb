#include "catalogue/CatalogueFixture.h"
#include "output/DiscImport.h"
#include "output/ImportValues.h"
#include "storage/ErrorReport.h"
#include "storage/Literal.h"
#include "storage/MyIniFiles.h"
#include "storage/Settings.h"
#include "support/FakeServices.h"
#include "support/TempDir.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>

namespace mcb {
namespace {

using F = ImportField;

std::vector<SheetRow> Rows(const std::vector<std::vector<std::string>>& cells) {
    std::vector<SheetRow> rows;
    for (std::size_t r = 0; r < cells.size(); ++r) rows.push_back({r + 1, cells[r]});
    return rows;
}

std::vector<std::string> W1251(const std::vector<std::string>& utf8) {
    std::vector<std::string> texts;
    for (const std::string& text : utf8) texts.push_back(W(text));
    return texts;
}

TEST(ImportMappingTest, PresetsFieldsFromTheHeadingsOfTheTableAndTheExport) {
    TableLayout renamed = BuiltInLayout();
    renamed.headers[1] = W("Фильм");
    struct Case {
        std::vector<std::string> headings;
        std::vector<F> fields;
    };
    const Case cases[] = {
        {{"ID", "#  Название", "Второе название", "Жанр", "Аудитория", "В гл.ролях", "Режиссер", "Страна",
          "Компания-производитель", "Год выпуска", "Длительность", "Носитель"},
         {F::None, F::Title, F::Title2, F::Genre, F::Audience, F::Actors, F::Director, F::Country, F::Company, F::Year,
          F::Length, F::Carrier}},
        {{"фильм", " жанр ", "НОСИТЕЛЬ", "Владелец", "Наличие диска", "Что-то"},
         {F::Title, F::Genre, F::Carrier, F::Owner, F::None, F::None}},
        {{"Описание диска", "", " ", "Год выпуска", ""},
         {F::Description, F::Description, F::Description, F::Year, F::None}},
        {{"", "Описание", "日本"}, {F::None, F::Description, F::None}},
    };
    for (const Case& c : cases) EXPECT_EQ(PresetMapping(c.headings, renamed), c.fields) << c.headings[0];
}

TEST(ImportValuesTest, CellsBecomeFieldValuesOrNothing) {
    TableLayout layout = BuiltInLayout();
    EXPECT_EQ(TitleValue(W("  ёлка\tзимой   !New!")), W("Ёлка зимой"));
    EXPECT_EQ(TitleValue(W("a\r\nb")), "A  b");
    EXPECT_EQ(DescriptionLines(W("один\r\n\nтри\r\n\n")), W1251({"один", "", "три"}));
    const std::pair<std::string, std::optional<int>> audiences[] = {
        {"Детский", 0}, {"ТОЛЬКО ДЛЯ ВЗРОСЛЫХ", 3}, {"семейный", 2}, {"0", std::nullopt}, {"Детск", std::nullopt}};
    for (const auto& [text, value] : audiences) EXPECT_EQ(AudienceValue(W(text)), value) << text;
    const std::pair<std::string, std::optional<std::string>> years[] = {
        {"1999", "1999"}, {"0999", "0999"}, {"199", std::nullopt}, {"19990", std::nullopt}, {"199a", std::nullopt}};
    for (const auto& [text, value] : years) EXPECT_EQ(YearValue(text), value) << text;
    const std::pair<std::string, std::optional<int>> lengths[] = {
        {"0", 0},          {"999", 999}, {"1000", std::nullopt}, {"-1", std::nullopt}, {"90 мин", std::nullopt},
        {"", std::nullopt}};
    for (const auto& [text, value] : lengths) EXPECT_EQ(LengthValue(W(text)), value) << text;
    const std::pair<std::string, std::optional<std::pair<int, int>>> carriers[] = {
        {"DVD 2", std::pair{3, 2}}, {"dvd", std::pair{3, 1}},    {"CD-RW 9", std::pair{2, 9}},
        {"VHS 10", std::nullopt},   {"Blu-ray 1", std::nullopt}, {" 2", std::nullopt}};
    for (const auto& [text, value] : carriers) {
        const std::optional<CarrierValue> carrier = CarrierOf(text, layout);
        EXPECT_EQ(carrier ? std::optional(std::pair{carrier->medium, carrier->count}) : std::nullopt, value) << text;
    }
}

class ImportCatalogue : public ::testing::Test {
protected:
    ImportCatalogue() {
        dir.Write("films.cbf", test::CatalogueText({
                                   {"Common", {{"LastCDID", "00002"}, {"Genres", "3"}, {"Contacts", "0"}}},
                                   {"Genres", {{"0", "Драма"}, {"3", "Ужасы"}}},
                                   {"Contacts", {{"0", "Иван"}, {"0_mail", "i@x"}, {"0_phone", "1"}}},
                                   {"00001", {{"Nam", "Старый"}}},
                                   {"00002", {{"Nam", "Другой"}}},
                               }));
        catalogue = std::make_unique<TIniFile>(dir.File("films.cbf"));
    }

    ImportPlan Plan(const std::vector<std::vector<std::string>>& cells, const std::vector<F>& mapping) {
        const std::vector<SheetRow> rows = Rows(cells);
        return *PlanImport(*catalogue, {rows, mapping, layout});
    }

    test::TempDir dir;
    TableLayout layout = BuiltInLayout();
    std::unique_ptr<TIniFile> catalogue;
};

TEST_F(ImportCatalogue, ListNamesAreFoundOrAddedOnceAsTheListEditorAddsThem) {
    const ImportPlan plan = Plan({{"Название", "Жанр", "Страна", "Владелец"},
                                  {"a", "драма", "франция", "иван"},
                                  {"b", "комедия", "Франция", "Пётр"},
                                  {"c", "КОМЕДИЯ", "", ""},
                                  {"", "Мистика", "Италия", "Анна"}},
                                 {F::Title, F::Genre, F::Country, F::Owner});
    ASSERT_EQ(plan.discs.size(), 3u);
    const std::pair<std::string, std::string> indices[] = {
        {plan.discs[0].gen, "0"}, {plan.discs[1].gen, "4"},  {plan.discs[2].gen, "4"}, {plan.discs[0].cou, "0"},
        {plan.discs[1].cou, "0"}, {plan.discs[2].cou, "-1"}, {plan.discs[0].oth, "0"}, {plan.discs[1].oth, "1"}};
    for (const auto& [index, expected] : indices) EXPECT_EQ(index, expected);
    std::vector<std::tuple<std::string, int, std::string>> entries;
    for (const NewListEntry& e : plan.entries) entries.emplace_back(e.section, e.index, e.name);
    // The row without a title adds none of its names.
    EXPECT_EQ(entries, (std::vector<std::tuple<std::string, int, std::string>>{
                           {"Countries", 0, W("Франция")}, {"Genres", 4, W("Комедия")}, {"Contacts", 1, W("Пётр")}}));
}

TEST_F(ImportCatalogue, CellsThatCannotBeTakenAreSkippedByRowAndColumn) {
    const ImportPlan plan = Plan({{"Название", "Год", "Длительность", "Аудитория", "Носитель", "Режиссер", "Жанр"},
                                  {"Кино 日本", "1999", "90", "Детский", "DVD 2", "Тарковский", "Драма"},
                                  {"Фильм", "99", "много", "Все", "Blu-ray", "Иван 😀", "Драма"},
                                  {"", "2000", "", "", "", "Кто-то", ""}},
                                 {F::Title, F::Year, F::Length, F::Audience, F::Carrier, F::Director, F::Genre});
    std::vector<std::string> skipped;
    for (const SkippedCell& cell : plan.skipped) skipped.push_back(SkippedText(cell));
    EXPECT_EQ(skipped, (std::vector<std::string>{
                           "строка 2, колонка 1: знаки, которых нет в кодировке Windows-1251: 日 本",
                           "строка 2: нет названия диска, строка не импортирована",
                           "строка 3, колонка 2: год должен состоять из четырех цифр",
                           "строка 3, колонка 3: длительность должна быть числом от 0 до 999",
                           "строка 3, колонка 4: нет такой аудитории",
                           "строка 3, колонка 5: нет такого носителя",
                           "строка 3, колонка 6: знаки, которых нет в кодировке Windows-1251: 😀",
                           "строка 4: нет названия диска, строка не импортирована",
                       }));
    ASSERT_EQ(plan.discs.size(), 1u); // the first row lost its only title
    const DiscRecord& r = plan.discs[0];
    EXPECT_EQ(r.nam, W("Фильм"));
    EXPECT_EQ(r.year, "");
    EXPECT_EQ(r.lon, 0);
    EXPECT_EQ(r.aud, -1);
    EXPECT_EQ(r.medium, -1);
    EXPECT_EQ(r.dir, "");
    EXPECT_EQ(r.gen, "0");
}

TEST_F(ImportCatalogue, DescriptionLinesComeAlongTheRowAndDownTheColumn) {
    const ImportPlan plan = Plan({{"Название", "Описание диска", ""},
                                  {"a", "один", "два"},
                                  {"", "три", ""},
                                  {"", "", ""},
                                  {"b", "x\ny", ""},
                                  {"", "", "z"}},
                                 {F::Title, F::Description, F::Description});
    ASSERT_EQ(plan.discs.size(), 2u);
    EXPECT_EQ(plan.discs[0].description, W("один\r\nдва\r\nтри"));
    EXPECT_EQ(plan.discs[1].description, "x\r\ny\r\nz");
    EXPECT_TRUE(plan.skipped.empty());
}

struct JournalFixture {
    // The journal beside its catalogue: "films.log" of "films.cbf".
    explicit JournalFixture(const std::string& file)
        : journal{file, setup, clock, dates, file.substr(0, file.size() - 4) + ".cbf"} {}
    SetupSettings setup;
    test::FixedClock clock;
    test::FixedDateFormat dates;
    JournalContext journal;
};

TEST_F(ImportCatalogue, DiscsGetNewIdentifiersInOneSaveAndOneJournalLineEach) {
    const ImportPlan plan = Plan({{"Название", "Жанр", "Владелец"}, {"a", "Комедия", "Пётр"}, {"b", "Драма", ""}},
                                 {F::Title, F::Genre, F::Owner});
    JournalFixture log(dir.File("films.log"));
    EXPECT_EQ(ApplyImport(*catalogue, plan, {dir.Path() + "/", 777, log.journal}), ImportResult::Done);
    const TIniFile saved(dir.File("films.cbf"));
    const std::pair<std::pair<std::string, std::string>, std::string> keys[] = {
        {{"Common", "LastCDID"}, "00004"}, {{"Common", "Genres"}, "4"},    {{"Common", "Contacts"}, "1"},
        {{"Genres", "4"}, W("Комедия")},   {{"Contacts", "1"}, W("Пётр")}, {{"Contacts", "1_mail"}, ""},
        {{"00003", "Nam"}, "A"},           {{"00003", "Gen"}, "4"},        {{"00003", "Oth"}, "1"},
        {{"00003", "Ent"}, "777"},         {{"00003", "Gin"}, "-1"},       {{"00004", "Nam"}, "B"},
        {{"00004", "Gen"}, "0"},           {{"00004", "Car"}, "-1024"}};
    for (const auto& [key, value] : keys) EXPECT_EQ(saved.ReadString(key.first, key.second, "?"), value) << key.second;
    EXPECT_EQ(test::TempDir::Read(dir.File("films.log")),
              W("D46364 T60319 : Новый диск \"A\" (ID=00003) успешно добавлен в базу.\r\n"
                "D46364 T60319 : Новый диск \"B\" (ID=00004) успешно добавлен в базу.\r\n"));
    log.setup.MagazEvents = kEventEdit;
    EXPECT_EQ(ApplyImport(*catalogue, plan, {dir.Path() + "/", 777, log.journal}), ImportResult::Done);
    EXPECT_EQ(catalogue->ReadString("00006", "Nam", ""), "B");
    const std::string journal = test::TempDir::Read(dir.File("films.log"));
    EXPECT_EQ(std::count(journal.begin(), journal.end(), '\n'), 2);
}

TEST_F(ImportCatalogue, CancelledOrFailedImportLeavesTheCatalogueAsItWas) {
    const ImportPlan plan = Plan({{"Название", "Жанр"}, {"a", "Комедия"}}, {F::Title, F::Genre});
    JournalFixture log(dir.File("films.log"));
    const std::string before = test::TempDir::Read(dir.File("films.cbf"));
    const auto cancel = [](std::size_t, std::size_t) { return false; };
    EXPECT_EQ(ApplyImport(*catalogue, plan, {dir.Path() + "/", 1, log.journal}, cancel), ImportResult::Cancelled);
    EXPECT_EQ(catalogue->ReadString("Common", "LastCDID", ""), "00002");
    EXPECT_EQ(catalogue->ReadString("Genres", "4", "none"), "none");

    std::filesystem::create_directory(dir.File("gone"));
    TIniFile lost(dir.File("gone/films.cbf"));
    lost.WriteString("Common", "LastCDID", "00002");
    std::filesystem::remove(dir.File("gone"));
    const ErrorReporter previous = SetErrorReporter([](const UserText&) {});
    EXPECT_EQ(ApplyImport(lost, plan, {dir.Path() + "/", 1, log.journal}), ImportResult::Failed);
    SetErrorReporter(previous);
    EXPECT_EQ(lost.ReadString("Common", "LastCDID", ""), "00002");
    EXPECT_EQ(lost.ReadString("00003", "Nam", "none"), "none");

    catalogue->WriteString("Common", "LastCDID", "2147483647");
    EXPECT_EQ(ApplyImport(*catalogue, plan, {dir.Path() + "/", 1, log.journal}), ImportResult::NoIdentifiers);
    EXPECT_EQ(catalogue->ReadString("Genres", "4", "none"), "none");
    EXPECT_EQ(test::TempDir::Read(dir.File("films.cbf")), before);
    EXPECT_FALSE(std::filesystem::exists(dir.File("films.log")));
}

// Logging many events at once leaves the journal as logging them one by one does.
TEST(JournalBatchTest, EqualsLoggingEachEventInTurn) {
    for (const bool trunc : {true, false})
        for (const int maxLines : {0, 1, 3, 5})
            for (const int old : {0, 2, 3, 7})
                for (const std::size_t count : {1u, 2u, 4u}) {
                    test::TempDir dir;
                    std::string journal;
                    for (int i = 0; i < old; ++i) journal += "old " + std::to_string(i) + "\r\n";
                    dir.Write("one.log", journal);
                    dir.Write("all.log", journal);
                    JournalFixture one(dir.File("one.log")), all(dir.File("all.log"));
                    for (JournalFixture* f : {&one, &all}) {
                        f->setup.MagazTrunc = trunc;
                        f->setup.MagazLines = maxLines;
                    }
                    std::vector<std::string> texts;
                    for (std::size_t i = 0; i < count; ++i) texts.push_back("new " + std::to_string(i));
                    for (const std::string& text : texts) LogEventIfSelected(one.journal, kEventAdd, text);
                    LogEventsIfSelected(all.journal, kEventAdd, texts);
                    EXPECT_EQ(test::TempDir::Read(dir.File("all.log")), test::TempDir::Read(dir.File("one.log")))
                        << trunc << " " << maxLines << " " << old << " " << count;
                }
}

} // namespace
} // namespace mcb

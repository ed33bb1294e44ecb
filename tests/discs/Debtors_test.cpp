#include "catalogue/CatalogueFixture.h"
#include "discs/DebtorsCommand.h"
#include "discs/DebtorsList.h"
#include "discs/ReminderLetters.h"
#include "storage/Cp1251.h"
#include "storage/Literal.h"
#include "storage/MyIniFiles.h"
#include "storage/TextCodec.h"
#include "support/FakeServices.h"
#include "support/TempDir.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>

namespace mcb {
namespace {

DebtRow Debt(const std::string& name, const std::string& title, const std::string& days, const std::string& mail) {
    return {W(name), W(title), days, mail};
}

std::vector<DebtorsRow> Ticked(const std::vector<DebtRow>& debts) {
    std::vector<DebtorsRow> rows;
    for (const DebtRow& d : debts) rows.push_back({d, true});
    return rows;
}

// The letter body as the mail program shows it, UTF-8.
std::string Body(const std::string& link) {
    std::string text;
    const std::string encoded = link.substr(link.find("body=") + 5);
    for (size_t i = 0; i < encoded.size(); ++i) {
        if (encoded[i] != '%') {
            text += encoded[i];
        } else {
            text += static_cast<char>(std::stoi(encoded.substr(i + 1, 2), nullptr, 16));
            i += 2;
        }
    }
    return text;
}

class LettersTest : public ::testing::Test {
protected:
    std::vector<std::string> Compose(const std::vector<DebtorsRow>& rows) {
        return ComposeLetters(rows, clock, dates, [this](const std::string& debtor, const std::string& stored) {
            asked.push_back(Utf8FromCp1251(debtor) + "|" + stored);
            return answer;
        });
    }

    test::FixedClock clock{46364, 60319};
    test::FixedDateFormat dates;
    std::optional<std::string> answer;
    std::vector<std::string> asked;
};

TEST(ReminderTexts, PluralForms) {
    struct Case {
        long long n;
        const char *day, *letters;
    } cases[] = {
        {0, "дней", "писем-напоминаний."},   {1, "день", "письмо-напоминание."},  {2, "дня", "письма-напоминания."},
        {4, "дня", "письма-напоминания."},   {5, "дней", "писем-напоминаний."},   {11, "дней", "писем-напоминаний."},
        {12, "дней", "писем-напоминаний."},  {14, "дней", "писем-напоминаний."},  {21, "день", "письмо-напоминание."},
        {22, "дня", "письма-напоминания."},  {25, "дней", "писем-напоминаний."},  {101, "день", "письмо-напоминание."},
        {111, "дней", "писем-напоминаний."}, {112, "дней", "писем-напоминаний."}, {114, "дней", "писем-напоминаний."},
        {122, "дня", "письма-напоминания."}};
    for (const Case& c : cases) {
        EXPECT_EQ(Utf8FromCp1251(DayWord(c.n)), c.day) << c.n;
        EXPECT_EQ(Utf8FromCp1251(LettersCreatedText(int(c.n))), "Создано " + std::to_string(c.n) + " " + c.letters);
    }
}

TEST(DebtorsListTest, SortsByDebtorAlphabeticallyLikeTheExchangeSort) {
    const std::vector<DebtRow> debts = {
        Debt("Петр", "1", "20", ""), Debt("анна", "2", "20", ""),  Debt("Анна", "3", "20", ""),
        Debt("Петр", "4", "20", ""), Debt("Ёлкин", "5", "20", ""), Debt("", "6", "20", ""),
        Debt("Zoe", "7", "20", ""),  Debt("Анна", "8", "20", ""),  Debt("Жанна", "9", "20", ""),
        Debt("Егор", "a", "20", ""), Debt("ёлкин", "b", "20", ""), Debt("Ёлкин", "c", "20", "")};
    // The exchange sort as the window has always run it, comparing alphabetically; names that tie
    // there by letter case only are told apart by their bytes.
    const auto greater = [](const std::string& p, const std::string& q) {
        const int c = CompareSorted(p, q);
        return c > 0 || (c == 0 && p > q);
    };
    std::vector<DebtRow> expected = debts;
    for (size_t p = 0; p < expected.size(); ++p)
        for (size_t q = p + 1; q < expected.size(); ++q)
            if (greater(expected[p].name, expected[q].name)) std::swap(expected[p], expected[q]);
    const DebtorsList list(debts);
    std::string titles, wanted, names;
    for (size_t i = 0; i < debts.size(); ++i) {
        titles += list.rows()[i].debt.title;
        wanted += expected[i].title;
        names += Utf8FromCp1251(list.rows()[i].debt.name) + ",";
        EXPECT_TRUE(list.rows()[i].ticked);
    }
    EXPECT_EQ(titles, wanted);
    EXPECT_EQ(names, ",Zoe,Анна,Анна,анна,Егор,Ёлкин,Ёлкин,ёлкин,Жанна,Петр,Петр,")
        << "Ё between Е and Ж; one debtor's rows together, upper case first";
}

TEST(DebtorsListTest, TicksByRowAndByTheHeaderCell) {
    DebtorsList list({Debt("A", "1", "20", ""), Debt("B", "2", "20", "")});
    list.ToggleAll();
    EXPECT_FALSE(list.AnyTicked()) << "all ticked: the header unticks all";
    list.ToggleAll();
    EXPECT_TRUE(list.rows()[0].ticked && list.rows()[1].ticked);
    list.Toggle(0);
    list.Toggle(7); // outside the list: nothing
    EXPECT_TRUE(!list.rows()[0].ticked && list.rows()[1].ticked);
    list.ToggleAll();
    EXPECT_TRUE(list.rows()[0].ticked && !list.rows()[1].ticked) << "each row flips";
    EXPECT_TRUE(IsClick(2, -2));
    EXPECT_FALSE(IsClick(3, 0));
    EXPECT_FALSE(IsClick(0, -3));
}

TEST_F(LettersTest, OneLetterPerDebtorWithTheTickedDiscs) {
    auto rows = Ticked({Debt("Анна", "Солярис", "21", "anna@example.org "), Debt("Анна", "Сталкер", "22", "x"),
                        Debt("Анна", "Зеркало", "25", "x"), Debt("Петр", "Alien", "111", "petr@example.org")});
    rows[2].ticked = false;
    const auto links = Compose(rows);
    ASSERT_EQ(links.size(), 2u);
    EXPECT_EQ(links[0].rfind("mailto:anna@example.org?subject=%D0%94%D0%BE%D0%BB%D0%B3%20%D0%BF", 0), 0u);
    EXPECT_EQ(Body(links[0]), "Уважаемый(ая) Анна!\r\n  Сегодня D46364, T60319.\r\n\r\n"
                              "Вы 21 день должны диск \"Солярис\".\r\nВы 22 дня должны диск \"Сталкер\".\r\n");
    EXPECT_EQ(Body(links[1]), "Уважаемый(ая) Петр!\r\n  Сегодня D46364, T60319.\r\n\r\n"
                              "Вы 111 дней должны диск \"Alien\".\r\n");
    EXPECT_TRUE(asked.empty());
    EXPECT_EQ(Utf8FromCp1251(LettersCreatedText(int(links.size()))), "Создано 2 письма-напоминания.");
}

TEST_F(LettersTest, LettersFollowTheAlphabeticalOrderOfTheDebtors) {
    const DebtorsList list({Debt("Жанна", "1", "20", "zh@example.org"), Debt("Ёлкин", "2", "20", "yo@example.org"),
                            Debt("Егор", "3", "20", "ye@example.org"), Debt("Ёлкин", "4", "20", "yo@example.org")});
    std::string order;
    for (const std::string& link : Compose(list.rows())) order += link.substr(7, 2) + " ";
    EXPECT_EQ(order, "ye yo zh ") << "Ёлкин between Егор and Жанна, in one letter";
}

// The split is measured on the letter as it used to be written (blanks as %20, line breaks as
// %0D%0A, everything else as it is), so that the same discs land in the same letters.
TEST_F(LettersTest, SplitsWhereTheOldLetterWouldWeighMoreThan380) {
    auto oldWeight = [](const std::string& utf8) {
        int weight = 0;
        for (char c : W(utf8)) weight += c == ' ' ? 3 : 1;
        return weight;
    };
    const int head = oldWeight("mailto:a@b.ru?Subject=Долг по дискам&body=Уважаемый(ая) Иван!%0D%0A  Сегодня "
                               "D46364, T60319.%0D%0A%0D%0A");
    const int lineWithoutTitle = oldWeight("Вы 30 дней должны диск \"\".%0D%0A");
    for (int slack : {0, 1}) {
        // Two lines of 50 characters, then one that brings the letter to exactly 380 (or one more).
        const std::string title50(50, 'x');
        const int last = 380 - head - 3 * lineWithoutTitle - 100 + slack;
        ASSERT_GT(last, 0);
        std::vector<DebtRow> debts;
        for (const std::string& t : {title50, title50, std::string(last, 'y'), std::string(300, 'z')})
            debts.push_back(Debt("Иван", t, "30", "a@b.ru"));
        const auto links = Compose(Ticked(debts));
        ASSERT_EQ(links.size(), slack == 0 ? 2u : 3u) << slack;
        for (const std::string& link : links)
            EXPECT_EQ(Body(link).rfind("Уважаемый(ая) Иван!\r\n  Сегодня D46364, T60319.\r\n\r\nВы 30", 0), 0u);
        EXPECT_NE(Body(links[slack]).find(std::string(last, 'y')), std::string::npos) << slack;
        EXPECT_EQ(Body(links.back()).find("yyy"), std::string::npos) << "the long last line starts a letter";
    }
}

TEST_F(LettersTest, DebtorWithoutAddressIsAskedAndSkippedWhenNoneIsGiven) {
    const auto rows = Ticked({Debt("Анна", "1", "20", ""), Debt("Анна", "2", "20", ""),
                              Debt("Иван", "3", "20", "ivan@example.org?bcc=spy@evil.org"),
                              Debt("Петр", "4", "20", "petr@example.org")});
    const auto skipped = Compose(rows);
    EXPECT_EQ(skipped.size(), 1u);
    EXPECT_EQ(asked, (std::vector<std::string>{"Анна|", "Анна|", "Иван|ivan@example.org?bcc=spy@evil.org"}))
        << "each ticked row of a skipped debtor asks again; a stored address that is not plain is refused";

    asked.clear();
    answer = "anna@example.org";
    const auto all = Compose(rows);
    ASSERT_EQ(all.size(), 3u);
    EXPECT_EQ(all[0].substr(0, 24), "mailto:anna@example.org?");
    EXPECT_EQ(asked.size(), 2u);
}

TEST_F(LettersTest, HostileNamesAndTitlesGiveLinksWithExactlyTwoFields) {
    const auto links = Compose(Ticked({Debt("Ann&attach=/etc/passwd", "?x=1#top", "20", "a@b.ru"),
                                       Debt("B\"q\" %41", "t&bcc=x@y\r\nCc: z", "20", "b@b.ru")}));
    ASSERT_EQ(links.size(), 2u);
    for (const std::string& link : links) {
        EXPECT_EQ(std::count(link.begin(), link.end(), '?'), 1) << link;
        EXPECT_EQ(std::count(link.begin(), link.end(), '&'), 1) << link;
        EXPECT_EQ(link.find_first_of("#\"\r\n <>"), std::string::npos) << link;
    }
    EXPECT_NE(Body(links[0]).find("Ann&attach=/etc/passwd!"), std::string::npos);
    EXPECT_NE(Body(links[1]).find("\"t&bcc=x@y\r\nCc: z\""), std::string::npos);
}

TEST(AddressPrompt, AsksAgainUntilAPlainAddressOrNothing) {
    struct Case {
        std::vector<std::optional<std::string>> answers;
        std::optional<std::string> result;
    } cases[] = {{{"  ivan@example.org "}, "ivan@example.org"},
                 {{"ivan@example.org, spy@evil.org", "ivan@example.org"}, "ivan@example.org"},
                 {{"x y", std::nullopt}, std::nullopt},
                 {{""}, std::nullopt}};
    for (const Case& c : cases) {
        test::ScriptedPrompts prompts;
        for (const auto& a : c.answers) prompts.ExpectText(a);
        EXPECT_EQ(PromptForAddress(prompts)(W("Иван"), "old"), c.result);
        EXPECT_TRUE(prompts.Exhausted());
        EXPECT_EQ(prompts.asked.front(),
                  "input: " + W("Отсутствует e-mail должника Иван / Для отправки напоминания введите e-mail:"));
    }
}

// A shell that cannot open the links numbered in `refused` (counting from 0).
class RefusingShell : public Shell {
public:
    explicit RefusingShell(std::vector<int> refused) : refused_(std::move(refused)) {}
    bool OpenLink(const std::string&) override { return std::count(refused_.begin(), refused_.end(), calls_++) == 0; }

private:
    std::vector<int> refused_;
    int calls_ = 0;
};

TEST(ReminderTexts, ClosingMessageCountsOnlyLettersTheMailProgramGot) {
    struct Case {
        std::vector<int> refused;
        std::vector<std::string> messages;
    } cases[] = {{{}, {"Создано 3 письма-напоминания."}},
                 {{1}, {"Не удалось открыть почтовую программу.", "Создано 2 письма-напоминания."}},
                 {{0, 1, 2}, {"Не удалось открыть почтовую программу.", "Создано 0 писем-напоминаний."}}};
    for (const Case& c : cases) {
        RefusingShell shell(c.refused);
        std::vector<std::string> messages;
        for (const std::string& m : ClosingMessages(OpenLetters({"mailto:a@b", "mailto:c@d", "mailto:e@f"}, shell)))
            messages.push_back(Utf8FromCp1251(m));
        EXPECT_EQ(messages, c.messages);
    }
}

TEST(LoanReminder, PanelLetterNamesTheDisc) {
    const auto link = LoanReminderLink({" ivan@example.org", "D46000", W("Солярис"), "Solaris", "D46364"});
    ASSERT_TRUE(link);
    EXPECT_EQ(Body(*link), "D46000 Вы взяли в долг диск <Солярис - Solaris>. Сегодня D46364.");
    EXPECT_EQ(Body(LoanReminderLink({"i@e.org", "D1", "A", "", "D2"}).value()),
              "D1 Вы взяли в долг диск <A>. Сегодня D2.");
    EXPECT_FALSE(LoanReminderLink({"ivan@example.org&attach=x", "D1", "A", "", "D2"}));

    test::TempDir dir;
    dir.Write("b.cbf",
              test::CatalogueText({{"Contacts", {{"0", "Иван"}, {"0_mail", "ivan@example.org"}}},
                                   {"00001", {{"Nam", "Сталкер"}, {"Ent", "46364"}, {"Gin", "0"}, {"Giv", "46000"}}},
                                   {"00002", {{"Nam", "Зеркало"}, {"Gin", "-1"}}}}));
    const TIniFile catalogue(dir.File("b.cbf"));
    test::FixedClock clock(46364);
    test::FixedDateFormat dates;
    EXPECT_EQ(Body(DiscReminderLink(catalogue, "00001", clock, dates).value_or("body=")),
              "D46000 Вы взяли в долг диск <Сталкер>. Сегодня D46364.")
        << "the disc's own name, without the new-disc mark of the table";
    EXPECT_FALSE(DiscReminderLink(catalogue, "00002", clock, dates));
}

class DebtorsCommandTest : public ::testing::Test {
protected:
    int Run(const std::string& catalogue) { return RunDebtorsCommand({catalogue, clock, dates}, out, err); }

    test::TempDir dir;
    test::FixedClock clock{46000, 3600};
    test::FixedDateFormat dates;
    std::ostringstream out, err;
};

TEST_F(DebtorsCommandTest, ListsOverdueDebtsSortedThenTheLetters) {
    dir.Write("base.cbf",
              test::CatalogueText({{"Common", {{"LastCDID", "00005"}, {"Contacts", "3"}}},
                                   {"Contacts", {{"1", "Петр"}, {"1_mail", "petr@example.org"}, {"2", "Анна"}}},
                                   {"00001", {{"Nam", "Сталкер"}, {"Gin", "1"}, {"Giv", "45980"}}},
                                   {"00002", {{"Nam", " "}, {"Nam2", "Зеркало\tII"}, {"Gin", "2"}, {"Giv", "45900"}}},
                                   {"00003", {{"Nam", "Boundary"}, {"Gin", "1"}, {"Giv", "45990"}}},
                                   {"00004", {{"Nam", "Stock"}, {"Gin", "-1"}, {"Giv", "1"}}},
                                   {"00005", {{"Nam", "Gone"}, {"Gin", "3"}, {"Giv", "45000"}}}}));
    dir.Write("config/mirvane-cdbase/MirvaneCDB.ini",
              "[Setup]\r\nDolgReminder=0\r\nDolgDays=10\r\n[Filter]\r\nOtdacha=0\r\n");
    const std::string catalogue = test::TempDir::Read(dir.File("base.cbf"));
    const std::string settings = test::TempDir::Read(dir.SettingsFile());
    EXPECT_EQ(Run(dir.File("base.cbf")), 0);
    EXPECT_EQ(out.str(),
              "\tGone\t1000\t\n"
              "Анна\tЗеркало II\t100\t\n"
              "Петр\tСталкер\t20\tpetr@example.org\n"
              "\n"
              "mailto:petr@example.org?subject=%D0%94%D0%BE%D0%BB%D0%B3%20%D0%BF%D0%BE%20%D0%B4%D0%B8%D1%81%D0%"
              "BA%D0%B0%D0%BC&body=%D0%A3%D0%B2%D0%B0%D0%B6%D0%B0%D0%B5%D0%BC%D1%8B%D0%B9%28%D0%B0%D1%8F%29%"
              "20%D0%9F%D0%B5%D1%82%D1%80%21%0D%0A%20%20%D0%A1%D0%B5%D0%B3%D0%BE%D0%B4%D0%BD%D1%8F%20D46000%"
              "2C%20T3600.%0D%0A%0D%0A%D0%92%D1%8B%2020%20%D0%B4%D0%BD%D0%B5%D0%B9%20%D0%B4%D0%BE%D0%BB%D0%"
              "B6%D0%BD%D1%8B%20%D0%B4%D0%B8%D1%81%D0%BA%20%22%D0%A1%D1%82%D0%B0%D0%BB%D0%BA%D0%B5%D1%80%22."
              "%0D%0A\n");
    EXPECT_EQ(err.str(), "");
    EXPECT_EQ(test::TempDir::Read(dir.File("base.cbf")), catalogue);
    EXPECT_EQ(test::TempDir::Read(dir.SettingsFile()), settings);
}

TEST_F(DebtorsCommandTest, MissingCatalogueHasNoDebtsAndUnreadableIsAnError) {
    EXPECT_EQ(Run(dir.File("none.cbf")), 0);
    EXPECT_EQ(out.str(), "\n");
    EXPECT_NE(err.str(), "");
    std::filesystem::create_directories(dir.File("folder.cbf"));
    out.str("");
    EXPECT_EQ(Run(dir.File("folder.cbf")), 1);
    EXPECT_EQ(out.str(), "");
}

} // namespace
} // namespace mcb

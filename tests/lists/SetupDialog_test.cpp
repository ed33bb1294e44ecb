#include "lists/SetupDialog.h"
#include "storage/Literal.h"
#include "storage/MyIniFiles.h"
#include "support/TempDir.h"

#include <climits>
#include <gtest/gtest.h>

namespace mcb {
namespace {

// The Setup section as the program writes it after reading `stored` and opening and closing the
// dialog without touching anything.
std::string SetupAfterUntouchedDialog(const std::string& stored) {
    test::TempDir dir;
    dir.Write("in.ini", "[Setup]\r\n" + stored);
    Settings settings = ReadSettings(TIniFile(dir.File("in.ini")), 46364);
    SetupDialog dialog;
    const SetupSettings shown = dialog.Show(settings.setup);
    dialog.Close(settings.setup, shown);
    EXPECT_FALSE(dialog.RebuildNeeded()) << stored;
    {
        TIniFile out(dir.File("out.ini"));
        WriteSettings(out, settings);
    }
    const TIniFile written(dir.File("out.ini"));
    std::string setup;
    written.VisitLines("Setup", [&](std::string_view key, std::string_view value) {
        setup.append(key).append("=").append(value).append(" ");
    });
    return setup;
}

TEST(SetupDialogTest, UntouchedDialogKeepsValuesAndClampsOnlyThoseOutOfRange) {
    const std::string defaults = "EmptyInclude=1 Truncate=0 SortOrder=1 ShowNewCD=1 NewCDdays=15 Magazine=1 "
                                 "MagazTrunc=1 MagazLines=1000 MagazEvents=31 DolgReminder=0 DolgDays=15 "
                                 "BackUpBase=1 PictureCopy=1 UpdateDate=46364 DolgColor=1 ";
    EXPECT_EQ(SetupAfterUntouchedDialog(""), defaults);

    const struct {
        std::string stored;
        std::string expected;
    } cases[] = {
        {"Truncate=21\r\nNewCDdays=9\r\nMagazLines=10000\r\nDolgDays=0\r\n",
         "Truncate=20 SortOrder=1 ShowNewCD=1 NewCDdays=10 Magazine=1 MagazTrunc=1 MagazLines=9999 MagazEvents=31 "
         "DolgReminder=0 DolgDays=1 "},
        {"Truncate=-5\r\nNewCDdays=61\r\nMagazLines=-2147483648\r\nDolgDays=2147483647\r\n",
         "Truncate=0 SortOrder=1 ShowNewCD=1 NewCDdays=60 Magazine=1 MagazTrunc=1 MagazLines=10 MagazEvents=31 "
         "DolgReminder=0 DolgDays=60 "},
        // Bounds themselves stay; a sort order the list cannot show is not the dialog's to change.
        {"Truncate=20\r\nNewCDdays=10\r\nMagazLines=9999\r\nDolgDays=1\r\nSortOrder=15\r\nMagazEvents=0\r\n",
         "Truncate=20 SortOrder=15 ShowNewCD=1 NewCDdays=10 Magazine=1 MagazTrunc=1 MagazLines=9999 MagazEvents=0 "
         "DolgReminder=0 DolgDays=1 "},
    };
    for (const auto& c : cases) {
        const std::string written = SetupAfterUntouchedDialog(c.stored);
        EXPECT_NE(written.find(c.expected), std::string::npos) << c.stored << "\n gave " << written;
    }
}

TEST(SetupDialogTest, SortOrderOutsideTheListIsShownAtTheNearestItem) {
    const struct { int stored, shown; } cases[] = {{15, 11}, {-1, 0}, {INT_MIN, 0}, {0, 0}, {11, 11}};
    for (const auto& c : cases) {
        SetupSettings setup;
        setup.SortOrder = c.stored;
        SetupDialog dialog;
        EXPECT_EQ(dialog.Show(setup).SortOrder, c.shown) << c.stored;
    }
}

TEST(SetupDialogTest, ClosingCopiesEveryControlBackButNotTheOthersKeys) {
    SetupSettings stored;
    stored.PictureCopy = false;
    stored.UpdateDate = 7;
    stored.NoUpdating = true;
    SetupDialog dialog;
    SetupSettings shown = dialog.Show(stored);
    shown = {false, 3, 9, false, 40, false, false, 500, 24, true, 30, false, true, 99, false, false};
    dialog.Close(stored, shown);
    const SetupSettings expected{false, 3, 1, false, 40, false, false, 500, 24, true, 30, false, false, 7, false, true};
    EXPECT_EQ(stored, expected);
}

TEST(SetupDialogTest, EventBoxesAndBits) {
    const struct {
        std::array<bool, 5> checks;
        int bits;
    } cases[] = {{{false, false, false, false, false}, 0},
                 {{false, false, false, true, true}, 24},
                 {{true, true, true, true, true}, 31},
                 {{true, false, true, false, false}, 5}};
    for (const auto& c : cases) {
        EXPECT_EQ(EventBits(c.checks), c.bits);
        EXPECT_EQ(EventChecks(c.bits), c.checks) << c.bits;
    }
    // Bits the dialog does not know are dropped on the way back.
    EXPECT_EQ(EventBits(EventChecks(255)), 31);
    EXPECT_EQ(EventBits(EventChecks(-1)), 31);
    EXPECT_EQ(EventBoxes()[3].caption, W("Отдача диска в долг"));
}

TEST(SetupDialogTest, SortListAndRebuildFlag) {
    TableLayout layout = BuiltInLayout();
    layout.headers[0] = "Number";
    layout.headers[11] = "Media";
    const std::vector<std::string> items = SortItems(layout);
    ASSERT_EQ(items.size(), 12u);
    EXPECT_EQ(items[0], W("Без сортировки"));
    EXPECT_EQ(items[1], W("Название"));
    EXPECT_EQ(items[11], "Media") << "the headings in use, column 0 not offered";

    SetupSettings stored;
    SetupDialog dialog;
    dialog.Show(stored);
    for (const char* control : {"SEMultiTrunc", "CBMag", "CBTrunc", "SELines", "CBNew", "CBDolg", "SEDolg", "CBBackUp"})
        dialog.ControlChanged(control);
    EXPECT_FALSE(dialog.RebuildNeeded()) << "no change that the table shows";
    dialog.ChooseSort(stored, -1);
    dialog.ChooseSort(stored, 12);
    EXPECT_EQ(stored.SortOrder, 1) << "no item chosen";
    EXPECT_FALSE(dialog.RebuildNeeded());
    dialog.ChooseSort(stored, 0);
    EXPECT_EQ(stored.SortOrder, 0) << "\"Без сортировки\" at once";
    EXPECT_TRUE(dialog.RebuildNeeded());

    for (const char* control : {"ShowNew", "EmptyFields", "CBColorDolg", "SEShowNew", "LBSort"}) {
        dialog.Show(stored);
        EXPECT_FALSE(dialog.RebuildNeeded()) << "each showing clears the flag";
        dialog.ControlChanged(control);
        EXPECT_TRUE(dialog.RebuildNeeded()) << control;
    }
}

TEST(SetupDialogTest, SpinTextReadsAsNumberInRange) {
    const struct {
        const char* text;
        int value;
    } cases[] = {{"", 10},     {"abc", 10}, {"12,5", 10}, {"1e3", 10}, {"-", 10},   {"--5", 10}, {"-5", 10},
                 {"9", 10},    {"15", 15},  {" 15", 15},  {"+20", 20}, {"060", 60}, {"61", 60},  {"99999999999999", 60},
                 {"0x1F", 10}, {"15 ", 15}};
    for (const auto& c : cases) EXPECT_EQ(SpinValue(c.text, kNewDiscDaysRange), c.value) << '"' << c.text << '"';
    EXPECT_EQ(SpinValue("-99999999999999", kTruncateRange), 0);
    EXPECT_EQ(SpinValue("12345", kJournalLinesRange), 9999);
}

TEST(SetupDialogTest, SpinRefusesTypedLetters) {
    for (const char32_t c : {U'0', U'7', U'9', U'-', U'+', U','}) EXPECT_TRUE(SpinAcceptsChar(c, U',')) << int(c);
    for (const char32_t c : {U'.', U'a', U'e', U' ', U'ж', U'\t'}) EXPECT_FALSE(SpinAcceptsChar(c, U',')) << int(c);
}

} // namespace
} // namespace mcb

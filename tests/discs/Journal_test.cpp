#include "discs/Journal.h"
#include "discs/JournalText.h"
#include "storage/IniFileSupport.h"
#include "storage/Settings.h"
#include "support/FakeServices.h"
#include "support/TempDir.h"

#include <csignal>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <regex>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace mcb::test {
namespace {

std::string Lines(int first, int last) {
    std::string text;
    for (int i = first; i <= last; ++i) text += "line " + std::to_string(i) + "\r\n";
    return text;
}

const std::string kEvent = "D46364 T60319 : event\r\n";

class JournalTest : public ::testing::Test {
protected:
    void Log(const std::string& text = "event") { LogEvent(Context(), text); }
    JournalContext Context() { return {path, setup, clock, dateFormat, dir.File("base.cbf")}; }
    std::string Journal() const { return TempDir::Read(path); }

    TempDir dir;
    std::string path = dir.File("base.log");
    SetupSettings setup;
    FixedClock clock;
    FixedDateFormat dateFormat;
    ErrorRecorder errors;
};

TEST_F(JournalTest, FirstEventCreatesTheJournal) {
    Log("Новый диск");
    EXPECT_EQ(Journal(), "D46364 T60319 : Новый диск\r\n");
    EXPECT_TRUE(errors.messages.empty());
}

TEST_F(JournalTest, CutKeepsTheNewestLines) {
    const struct {
        std::string before;
        int maxLines;
        std::string after;
    } cases[] = {
        {Lines(1, 9), 10, Lines(1, 9) + kEvent},    // below the limit: appended
        {Lines(1, 10), 10, Lines(2, 10) + kEvent},  // at the limit: exactly 10 afterwards
        {Lines(1, 25), 10, Lines(17, 25) + kEvent}, // edited by hand: newest 9 and the new one
        {"a\r\nb", 3, "a\r\nb\r\n" + kEvent},       // a last line without a break counts
        {"a\r\nb\r\nc", 3, "b\r\nc\r\n" + kEvent},
        {"a\nb\nc\n", 2, "c\n" + kEvent}, // bare line feeds end lines too
        {"", 1, kEvent},
        {Lines(1, 3), 1, kEvent},
        {Lines(1, 3), 0, kEvent}, // a limit below 1 keeps only the new line
        {Lines(1, 3), -7, kEvent},
    };
    for (const auto& c : cases) {
        dir.Write("base.log", c.before);
        setup.MagazLines = c.maxLines;
        Log();
        EXPECT_EQ(Journal(), c.after) << c.before << " / " << c.maxLines;
    }
    EXPECT_TRUE(errors.messages.empty());
}

TEST_F(JournalTest, WithoutCuttingTheJournalOnlyGrows) {
    setup.MagazTrunc = false;
    setup.MagazLines = 10;
    dir.Write("base.log", Lines(1, 30) + "no break");
    Log();
    Log();
    EXPECT_EQ(Journal(), Lines(1, 30) + "no break\r\n" + kEvent + kEvent);
}

TEST_F(JournalTest, SwitchedOffOrUnselectedEventsWriteNothing) {
    setup.Magazine = false;
    Log();
    EXPECT_FALSE(Exists(path));

    setup.Magazine = true;
    setup.MagazEvents = kEventLend + kEventReturn;
    for (int bit : {kEventAdd, kEventEdit, kEventDelete, kEventLend, kEventReturn})
        LogEventIfSelected(Context(), bit, std::to_string(bit));
    EXPECT_EQ(Journal(), "D46364 T60319 : 8\r\nD46364 T60319 : 16\r\n");
}

// The leftover of a cut that was interrupted is removed by the next one.
TEST_F(JournalTest, StaleTemporaryFileNeverBlocksRecording) {
    dir.Write("base.~og", "left over");
    dir.Write("~base.~og", "left over too");
    setup.MagazLines = 2;
    dir.Write("base.log", Lines(1, 5));
    Log();
    Log();
    EXPECT_EQ(Journal(), kEvent + kEvent);
    EXPECT_EQ(ListFolder(dir.Path()), (std::vector<std::string>{"base.log"}));
}

// A pipe, a device or a folder in the journal's place cannot take a journal: the event is not
// recorded and the journal is reported as not writable, once per event, and nothing waits on it.
TEST_F(JournalTest, JournalThatIsNoFileIsReportedAndRecordsNothing) {
    ASSERT_EQ(::mkdir(dir.File("folder.log").c_str(), 0777), 0);
    ASSERT_EQ(::mkfifo(dir.File("pipe.log").c_str(), 0644), 0);
    ASSERT_EQ(::symlink("/dev/null", dir.File("device.log").c_str()), 0);
    for (const char* name : {"folder.log", "pipe.log", "device.log"}) {
        path = dir.File(name);
        for (const bool cut : {false, true}) {
            setup.MagazTrunc = cut;
            Log();
            ASSERT_EQ(errors.messages.size(), 1u) << name << " cut " << cut;
            EXPECT_NE(errors.messages[0].find("Write error to file"), std::string::npos) << name;
            errors.messages.clear();
        }
        EXPECT_FALSE(SaveJournal(path, "edited", dir.File("base.cbf"))) << name;
        EXPECT_EQ(errors.messages.size(), 1u) << "saving the viewer's text is refused: " << name;
        errors.messages.clear();
    }
    struct stat info {};
    EXPECT_EQ(::stat(dir.File("pipe.log").c_str(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
    EXPECT_EQ(::lstat(dir.File("device.log").c_str(), &info), 0);
    EXPECT_TRUE(S_ISLNK(info.st_mode));
}

// A link or another name of the journal's file is never written through, cut or not; a pipe in its
// place neither blocks nor takes the line.
TEST_F(JournalTest, NothingInTheJournalsPlaceIsWrittenThrough) {
    const std::string bashrc = dir.File("bashrc");
    struct Case {
        const char* name;
        std::function<int()> prepare;
        std::string journal; // afterwards; empty: still not a journal
        std::size_t errors;
    } cases[] = {
        {"symbolic link", [&] { return ::symlink(bashrc.c_str(), path.c_str()); }, kEvent, 0},
        {"dangling link", [&] { return ::symlink(dir.File("nowhere").c_str(), path.c_str()); }, kEvent, 0},
        {"hard link", [&] { return ::link(bashrc.c_str(), path.c_str()); }, "export PATH\r\n" + kEvent, 0},
        {"named pipe", [&] { return ::mkfifo(path.c_str(), 0600); }, "", 1},
    };
    for (const bool cut : {true, false}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.name) + (cut ? ", cut" : ", not cut"));
            std::filesystem::remove(path);
            dir.Write("bashrc", "export PATH\r\n");
            ASSERT_EQ(c.prepare(), 0);
            setup.MagazTrunc = cut;
            errors.messages.clear();
            Log();
            EXPECT_EQ(TempDir::Read(bashrc), "export PATH\r\n");
            EXPECT_FALSE(Exists(dir.File("nowhere")));
            EXPECT_EQ(errors.messages.size(), c.errors);
            struct stat info {};
            ASSERT_EQ(::lstat(path.c_str(), &info), 0);
            if (c.journal.empty()) continue;
            EXPECT_TRUE(S_ISREG(info.st_mode) && info.st_nlink == 1);
            EXPECT_EQ(Journal(), c.journal);
        }
    }
}

// The journal tells what happened to the discs: no one may read it who may not read the catalogue.
TEST_F(JournalTest, JournalIsAsPrivateAsTheCatalogue) {
    dir.Write("base.cbf", "[Common]\r\n");
    ASSERT_EQ(::chmod(dir.File("base.cbf").c_str(), 0600), 0);
    const auto mode = [&] {
        struct stat info {};
        return ::stat(path.c_str(), &info) == 0 ? info.st_mode & 0777 : 0777;
    };
    Log(); // a new journal
    EXPECT_EQ(mode(), 0600u);
    ASSERT_EQ(::chmod(path.c_str(), 0644), 0);
    Log(); // appended
    EXPECT_EQ(mode(), 0600u);
    setup.MagazLines = 1;
    ASSERT_EQ(::chmod(path.c_str(), 0644), 0);
    Log(); // cut
    EXPECT_EQ(mode(), 0600u);
    EXPECT_TRUE(SaveJournal(path, "edited", dir.File("base.cbf")));
    EXPECT_EQ(mode(), 0600u);
}

TEST_F(JournalTest, EditedTextIsSavedWithCrLfLines) {
    const struct {
        const char* screen;
        const char* file;
        const char* reopened;
    } cases[] = {
        {"", "", ""},
        {"a", "a\r\n", "a\n"},
        {"a\nb", "a\r\nb\r\n", "a\nb\n"},
        {"a\n", "a\r\n", "a\n"},
        {"a\n\n", "a\r\n\r\n", "a\n\n"},
    };
    for (const auto& c : cases) {
        EXPECT_TRUE(SaveJournal(path, c.screen, ""));
        EXPECT_EQ(Journal(), c.file);
        EXPECT_EQ(JournalScreenText(Journal()), c.reopened);
    }
    EXPECT_EQ(JournalScreenText("a\rb\r\nc\n"), "a\nb\nc\n");
    EXPECT_EQ(LastLineStart("ab\ncd\n"), 3u);
    EXPECT_EQ(LastLineStart("ab"), 0u);
    EXPECT_FALSE(SaveJournal(dir.File("missing/base.log"), "a", ""));
    EXPECT_EQ(errors.messages.size(), 1u);
}

// Every line of the journal is a whole event line, numbered consecutively.
void ExpectWholeJournal(const std::string& journal, int lines) {
    static const std::regex line("D46364 T60319 : event ([0-9]+)\r\n");
    int count = 0;
    int previous = -1;
    for (std::sregex_iterator it(journal.begin(), journal.end(), line), end; it != end; ++it, ++count) {
        const int number = std::stoi((*it)[1]);
        if (previous >= 0) {
            ASSERT_EQ(number, previous + 1);
        }
        previous = number;
    }
    ASSERT_EQ(count, lines) << journal;
    ASSERT_EQ(std::regex_replace(journal, line, ""), "");
}

TEST_F(JournalTest, KilledWhileCuttingLeavesTheOldOrTheNewJournal) {
    setup.MagazLines = 50;
    std::string start;
    for (int i = 0; i < 50; ++i) start += "D46364 T60319 : event " + std::to_string(i) + "\r\n";
    bool cutWhileRunning = false;
    for (int delayMs : {3, 11, 29}) {
        dir.Write("base.log", start);
        const pid_t child = ::fork();
        if (child == 0) {
            for (int i = 50;; ++i) Log("event " + std::to_string(i));
        }
        // On a busy machine the first cut may take longer than the delays: the last round waits for it.
        for (int waited = 0; delayMs == 29 && Journal() == start && waited < 2000; ++waited)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        std::this_thread::sleep_for(std::chrono::milliseconds(delayMs));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        ExpectWholeJournal(Journal(), 50);
        cutWhileRunning = cutWhileRunning || Journal() != start;
    }
    EXPECT_TRUE(cutWhileRunning);
}

} // namespace
} // namespace mcb::test

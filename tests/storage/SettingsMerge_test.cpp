// At close the settings file gets what the run changed, and keeps what somebody else changed in it
// meanwhile (another program's close, a hand edit).
#include "storage/MyIniFiles.h"
#include "storage/Settings.h"
#include "support/TempDir.h"

#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace mcb {
namespace {

const std::string kStart = "[Filter]\r\nNazva=war\r\n\r\n[Setup]\r\nSortOrder=1\r\nDolgDays=15\r\n\r\n";

class SettingsMerge : public ::testing::Test {
protected:
    Settings Read() const { return ReadSettings(TIniFile(path), 100); }
    // Merges `mine` into the file, answering the question (if asked) with `overwrite`.
    void Merge(const Settings& atStart, const Settings& mine, bool overwrite) {
        TIniFile ini(path);
        MergeSettings(ini, atStart, mine, 100, [&] {
            ++questions;
            return overwrite;
        });
    }

    test::TempDir dir;
    std::string path = dir.File("s.ini");
    int questions = 0;
};

TEST_F(SettingsMerge, OnlyWhatTheRunChangedIsWritten) {
    struct Case {
        const char* name;
        std::function<void(Settings& mine)> run; // what the program changed
        std::string theirs;                      // the file when the program closes
        bool overwrite;                          // the answer, if asked
        int questions;
        std::string nazva, sortOrder; // in the file afterwards
    } cases[] = {
        {"changed by the run", [](Settings& s) { s.filter.Nazva = "peace"; }, kStart, false, 0, "peace", "1"},
        {"changed in the file", [](Settings&) {}, "[Filter]\r\nNazva=love\r\n\r\n[Setup]\r\nSortOrder=3\r\n\r\n", false,
         0, "love", "3"},
        {"each on its own key", [](Settings& s) { s.setup.SortOrder = 5; },
         "[Filter]\r\nNazva=love\r\n\r\n[Setup]\r\nSortOrder=1\r\n\r\n", false, 0, "love", "5"},
        {"both changed the key, theirs kept", [](Settings& s) { s.filter.Nazva = "peace"; },
         "[Filter]\r\nNazva=love\r\n\r\n[Setup]\r\nSortOrder=1\r\n\r\n", false, 1, "love", "1"},
        {"both changed the key, mine written", [](Settings& s) { s.filter.Nazva = "peace"; },
         "[Filter]\r\nNazva=love\r\n\r\n[Setup]\r\nSortOrder=1\r\n\r\n", true, 1, "peace", "1"},
        {"both to the same value", [](Settings& s) { s.filter.Nazva = "love"; },
         "[Filter]\r\nNazva=love\r\n\r\n[Setup]\r\nSortOrder=1\r\n\r\n", false, 0, "love", "1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        dir.Write("s.ini", kStart);
        const Settings atStart = Read();
        Settings mine = atStart;
        c.run(mine);
        dir.Write("s.ini", c.theirs);
        questions = 0;
        Merge(atStart, mine, c.overwrite);
        EXPECT_EQ(questions, c.questions);
        const TIniFile after(path);
        EXPECT_EQ(after.ReadString("Filter", "Nazva", ""), c.nazva);
        EXPECT_EQ(after.ReadString("Setup", "SortOrder", ""), c.sortOrder);
    }
}

// A close after a run that changed nothing leaves the file as it is; keys it lacks are added.
TEST_F(SettingsMerge, UnchangedFileIsNotWrittenAndMissingKeysAreAdded) {
    const Settings fresh = ReadSettings(TIniFile(dir.File("none.ini")), 100);
    Merge(fresh, fresh, false);
    EXPECT_EQ(test::TempDir::Read(path).find("UpdateDate=100\r\n") != std::string::npos, true);
    EXPECT_EQ(ReadSettings(TIniFile(path), 999).setup.UpdateDate, 100) << "a missing UpdateDate must be stored";
    struct stat written {};
    ASSERT_EQ(::stat(path.c_str(), &written), 0);
    const Settings atStart = Read();
    Merge(atStart, atStart, false);
    struct stat again {};
    ASSERT_EQ(::stat(path.c_str(), &again), 0);
    EXPECT_EQ(written.st_ino, again.st_ino) << "nothing changed, yet the file was written";
    EXPECT_EQ(questions, 0);
}

} // namespace
} // namespace mcb

// Files made from a catalogue are as private as it is, from the first byte on, and a link or another
// file put in their place is never written through.
#include "IniFileSupport.h"
#include "storage/AtomicFile.h"
#include "storage/MyIniFiles.h"
#include "storage/SideFile.h"

#include <csignal>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace mcb {
namespace {

using test::ReadBytes;
using test::WriteBytes;

unsigned ModeOf(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 ? unsigned(info.st_mode & 07777) : 07777u;
}

bool IsLink(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode);
}

class SideFile : public test::IniFileTest {};

TEST_F(SideFile, LinkInItsPlaceIsReplacedAndWhatItLedToKept) {
    const std::string catalogue = Path("c.cbf");
    const std::string side = Path("c.bak");
    WriteBytes(catalogue, "[S]\r\nk=v\r\n");
    WriteBytes(Path("bashrc"), "export PATH");
    struct Case {
        const char* name;
        std::string points_to;
    } cases[] = {{"link to a file", Path("bashrc")}, {"dangling link", Path("nowhere")}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(::symlink(c.points_to.c_str(), side.c_str()), 0);
        EXPECT_TRUE(WriteSideFile(side, "copy", catalogue, "~tmpini.tmp"));
        EXPECT_FALSE(IsLink(side));
        EXPECT_EQ(ReadBytes(side), "copy");
        EXPECT_EQ(ReadBytes(Path("bashrc")), "export PATH");
        EXPECT_FALSE(test::Exists(Path("nowhere")));
        ::unlink(side.c_str());
    }
    // What is no file, or a link to one, is left alone.
    ASSERT_EQ(::mkfifo(Path("pipe").c_str(), 0600), 0);
    for (const std::string& other : {Path("pipe"), std::string("/dev/null"), Folder()}) {
        SCOPED_TRACE(other);
        ASSERT_EQ(::symlink(other.c_str(), side.c_str()), 0);
        EXPECT_FALSE(WriteSideFile(side, "copy", catalogue, "~tmpini.tmp"));
        EXPECT_TRUE(IsLink(side));
        ::unlink(side.c_str());
    }
    EXPECT_FALSE(WriteSideFile(Path("pipe"), "copy", catalogue, "~tmpini.tmp"));
}

TEST_F(SideFile, PermissionsFollowTheCatalogue) {
    const std::string catalogue = Path("c.cbf");
    const std::string side = Path("c.bak");
    struct Case {
        unsigned catalogueMode;
        unsigned sideMode; // 0: no side file yet
        unsigned expected;
    } cases[] = {{0600, 0, 0600}, {0640, 0, 0640}, {0600, 0644, 0600}, {0644, 0600, 0600}, {0664, 0644, 0644}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.catalogueMode) + " " + std::to_string(c.sideMode));
        WriteBytes(catalogue, "[S]\r\n");
        ASSERT_EQ(::chmod(catalogue.c_str(), c.catalogueMode), 0);
        ::unlink(side.c_str());
        if (c.sideMode) {
            WriteBytes(side, "old");
            ASSERT_EQ(::chmod(side.c_str(), c.sideMode), 0);
        }
        ASSERT_TRUE(WriteSideFile(side, "copy", catalogue, "~tmpini.tmp"));
        EXPECT_EQ(ModeOf(side), c.expected);
    }
}

// Every temporary file of a save is readable by its owner only from its creation on, also when the
// save is killed before its rename; the finished file then gets its final bits.
TEST_F(SideFile, TemporaryFileIsPrivateFromItsCreation) {
    const std::string file = Path("c.cbf");
    WriteBytes(file, "[S]\r\n");
    ASSERT_EQ(::chmod(file.c_str(), 0644), 0);
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t pid = ::fork();
    if (pid == 0) {
        PendingFile pending(file, "~tmpini.tmp");
        const bool written = pending.Ok() && WriteAll(pending.Fd(), "[S]\r\nk=secret\r\n");
        const char c = written ? 'y' : 'n';
        [[maybe_unused]] const ssize_t told = ::write(ready[1], &c, 1);
        ::pause(); // killed in the middle of the save
        ::_exit(0);
    }
    char c = 0;
    ASSERT_EQ(::read(ready[0], &c, 1), 1);
    ASSERT_EQ(c, 'y');
    EXPECT_EQ(ModeOf(Path("~tmpini.tmp")), 0600u) << "while the save runs";
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
    ::close(ready[0]);
    ::close(ready[1]);
    EXPECT_EQ(ModeOf(Path("~tmpini.tmp")), 0600u) << "left by the killed save";
    TIniFile(file).WriteString("S", "k", "v");
    EXPECT_EQ(ModeOf(file), 0644u);
    EXPECT_EQ(test::ListFolder(Folder()), std::vector<std::string>{"c.cbf"});
}

// A new file gets what any file made now gets: 0666 less the file mode mask.
TEST_F(SideFile, NewFileFollowsTheFileModeMask) {
    for (const mode_t mask : {mode_t(022), mode_t(077), mode_t(027)}) {
        const mode_t previous = ::umask(mask);
        ::unlink(Path("new.ini").c_str());
        EXPECT_TRUE(WriteFileAtomically(Path("new.ini"), "[S]\r\n"));
        EXPECT_EQ(ModeOf(Path("new.ini")), 0666u & ~unsigned(mask));
        ::umask(previous);
    }
}

} // namespace
} // namespace mcb

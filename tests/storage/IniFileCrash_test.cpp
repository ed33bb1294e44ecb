// Saving must never leave a damaged catalogue: whatever stops a save, the file is the complete old
// or the complete new version.
#include "IniFileSupport.h"
#include "storage/MyIniFiles.h"

#include <algorithm>
#include <csignal>
#include <fcntl.h>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <random>
#include <set>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace mcb {
namespace {

using test::InChild;
using test::ListFolder;
using test::ReadBytes;
using test::WriteBytes;

const std::string kOld = "[Old]\r\nk=v\r\n\r\n";

// Changes the file and saves it once; 0 when the save reported exactly the expected failure.
int SaveExpectingFailure(const std::string& file) {
    test::ErrorRecorder errors;
    auto ini = std::make_unique<TIniFile>(file); // never destroyed: no second save on the way out
    ini->WriteString("New", "key", "a fairly long value so that the write takes many bytes");
    const bool ok = ini->UpdateFile();
    return !ok && errors.messages == std::vector<std::string>{"Write error to file " + file} ? 0 : 1;
}

class IniFileCrash : public test::IniFileTest {};

TEST_F(IniFileCrash, WriteCutShortAtEveryByteLeavesTheOldFile) {
    const std::string file = Path("c.cbf");
    const std::string fresh = kOld + "[New]\r\nkey=a fairly long value so that the write takes many bytes\r\n\r\n";
    WriteBytes(file, kOld);
    for (rlim_t limit = 0; limit < fresh.size(); ++limit) {
        const int status = InChild([&] {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit cap{limit, limit};
            ::setrlimit(RLIMIT_FSIZE, &cap);
            return SaveExpectingFailure(file);
        });
        ASSERT_EQ(status, 0) << "file size limit " << limit;
        ASSERT_EQ(ReadBytes(file), kOld) << "file size limit " << limit;
        ASSERT_EQ(ListFolder(Folder()), (std::vector<std::string>{"c.cbf"})) << "file size limit " << limit;
    }
    TIniFile(file).WriteString("New", "key", "a fairly long value so that the write takes many bytes");
    EXPECT_EQ(ReadBytes(file), fresh);
}

TEST_F(IniFileCrash, KilledSaverLeavesACompleteVersion) {
    const std::string file = Path("c.cbf");
    WriteBytes(file, kOld);
    const std::string valueA(300000, 'a'), valueB(200000, 'b');
    const auto version = [](const std::string& value) { return kOld + "[S]\r\nk=" + value + "\r\n\r\n"; };
    const std::vector<std::string> complete = {kOld, version(valueA), version(valueB)};
    std::mt19937 random(7);
    std::set<std::string> seen;
    for (int round = 0; round < 20; ++round) {
        const pid_t pid = ::fork();
        if (pid == 0) {
            TIniFile ini(file);
            for (int i = 0;; ++i) {
                ini.WriteString("S", "k", i % 2 ? valueA : valueB);
                ini.UpdateFile();
            }
        }
        // On a busy machine the first save may take longer than any of the delays: one round waits
        // for it, so that the saver surely wrote something.
        for (int waited = 0; round == 0 && ReadBytes(file) == kOld && waited < 2000; ++waited) ::usleep(5000);
        ::usleep(std::uniform_int_distribution<useconds_t>(0, 30000)(random));
        ::kill(pid, SIGKILL);
        ::waitpid(pid, nullptr, 0);
        const std::string content = ReadBytes(file);
        ASSERT_NE(std::find(complete.begin(), complete.end(), content), complete.end())
            << "round " << round << ": " << content.size() << " bytes";
        seen.insert(content);
    }
    seen.erase(kOld);
    EXPECT_FALSE(seen.empty()) << "the saver never got to write";
    // The next save takes away whatever the killed ones left.
    TIniFile(file).WriteString("S", "k", "after");
    EXPECT_EQ(ListFolder(Folder()), (std::vector<std::string>{"c.cbf"}));
}

// Leftovers of earlier versions' interrupted saves: a name with one more "~" for each, up to names
// too long for the file system.
TEST_F(IniFileCrash, LeftoversOfInterruptedSavesAreRemovedHoweverMany) {
    const std::string file = Path("c.cbf");
    WriteBytes(file, kOld);
    std::string name = "~tmpini.tmp";
    for (; name.size() <= 255; name.insert(0, 1, '~')) WriteBytes(Path(name), "a save cut short");
    ASSERT_EQ(ListFolder(Folder()).size(), 256u - 11u + 1u);
    {
        test::ErrorRecorder errors;
        TIniFile ini(file);
        ini.WriteString("S", "k", "v");
        EXPECT_TRUE(ini.UpdateFile());
        EXPECT_TRUE(errors.messages.empty());
    }
    EXPECT_EQ(ListFolder(Folder()), (std::vector<std::string>{"c.cbf"}));
    EXPECT_EQ(ReadBytes(file), kOld + "[S]\r\nk=v\r\n\r\n");
}

// Another running instance in the middle of a save holds its temporary file locked.
TEST_F(IniFileCrash, TemporaryFileOfARunningSaveIsLeftAlone) {
    const std::string file = Path("c.cbf");
    WriteBytes(file, kOld);
    int toChild[2], fromChild[2];
    ASSERT_EQ(::pipe(toChild), 0);
    ASSERT_EQ(::pipe(fromChild), 0);
    const pid_t pid = ::fork();
    if (pid == 0) {
        const int fd = ::open(Path("~tmpini.tmp").c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
        const bool held = fd >= 0 && ::flock(fd, LOCK_EX) == 0 && ::write(fd, "busy", 4) == 4;
        char c = held ? 'y' : 'n';
        [[maybe_unused]] const ssize_t told = ::write(fromChild[1], &c, 1);
        [[maybe_unused]] const ssize_t waited = ::read(toChild[0], &c, 1); // until the parent has saved
        ::_exit(0);
    }
    char held = 0;
    ASSERT_EQ(::read(fromChild[0], &held, 1), 1);
    ASSERT_EQ(held, 'y');
    TIniFile(file).WriteString("S", "k", "v");
    EXPECT_EQ(ReadBytes(file), kOld + "[S]\r\nk=v\r\n\r\n");
    EXPECT_EQ(ReadBytes(Path("~tmpini.tmp")), "busy");
    ASSERT_EQ(::write(toChild[1], "x", 1), 1);
    ::waitpid(pid, nullptr, 0);
    for (int fd : {toChild[0], toChild[1], fromChild[0], fromChild[1]}) ::close(fd);
    // Once that instance is gone, its file is a leftover like any other.
    TIniFile(file).WriteString("S", "k", "w");
    EXPECT_EQ(ListFolder(Folder()), (std::vector<std::string>{"c.cbf"}));
}

TEST_F(IniFileCrash, UnwritableFolderFailsAndKeepsTheOldFile) {
    const std::string folder = Path("ro");
    const std::string file = folder + "/c.cbf";
    ASSERT_EQ(::chmod(Folder().c_str(), 0755), 0);
    ASSERT_EQ(::mkdir(folder.c_str(), 0755), 0);
    WriteBytes(file, kOld);
    ASSERT_EQ(::chmod(file.c_str(), 0666), 0);
    ASSERT_EQ(::chmod(folder.c_str(), 0555), 0);
    const int status = InChild([&] {
        // The superuser writes anywhere; an ordinary user is what this is about.
        if (!test::BecomeNobody()) return 2;
        return SaveExpectingFailure(file);
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(ReadBytes(file), kOld);
    EXPECT_EQ(ListFolder(folder), (std::vector<std::string>{"c.cbf"}));
    ::chmod(folder.c_str(), 0755);
}

TEST_F(IniFileCrash, FailedRenameOrMissingFolderIsReported) {
    struct Case {
        const char* name;
        std::function<std::string(const std::string& folder)> prepare; // returns the file name
    } cases[] = {
        {"target is a folder",
         [](const std::string& folder) {
             ::mkdir((folder + "/c.cbf").c_str(), 0755);
             return folder + "/c.cbf";
         }},
        {"folder missing", [](const std::string& folder) { return folder + "/missing/c.cbf"; }},
        {"link loop",
         [](const std::string& folder) {
             [[maybe_unused]] const int made = ::symlink("c.cbf", (folder + "/c.cbf").c_str());
             return folder + "/c.cbf";
         }},
    };
    int n = 0;
    for (const auto& c : cases) {
        const std::string folder = Path("case" + std::to_string(n++));
        ASSERT_EQ(::mkdir(folder.c_str(), 0755), 0);
        const std::string file = c.prepare(folder);
        const std::vector<std::string> before = ListFolder(folder);
        EXPECT_EQ(SaveExpectingFailure(file), 0) << c.name;
        EXPECT_EQ(ListFolder(folder), before) << c.name << ": temporary file left behind";
    }
}

TEST_F(IniFileCrash, SymbolicLinksStayLinks) {
    ASSERT_EQ(::mkdir(Path("data").c_str(), 0755), 0);
    ASSERT_EQ(::mkdir(Path("links").c_str(), 0755), 0);
    struct Case {
        const char* link;
        const char* points_to;
    } cases[] = {
        {"links/relative.cbf", "../data/relative.cbf"},
        {"links/absolute.cbf", ""}, // filled with the absolute path below
        {"links/chain.cbf", "relative.cbf"},
        {"links/dangling.cbf", "../data/created.cbf"},
    };
    WriteBytes(Path("data/relative.cbf"), kOld);
    WriteBytes(Path("data/absolute.cbf"), kOld);
    for (const auto& c : cases) {
        const std::string target = *c.points_to ? c.points_to : Path("data/absolute.cbf");
        ASSERT_EQ(::symlink(target.c_str(), Path(c.link).c_str()), 0);
        TIniFile(Path(c.link)).WriteString("S", "k", c.link);
        struct stat info {};
        ASSERT_EQ(::lstat(Path(c.link).c_str(), &info), 0);
        EXPECT_TRUE(S_ISLNK(info.st_mode)) << c.link;
        EXPECT_NE(ReadBytes(Path(c.link)).find(std::string("k=") + c.link), std::string::npos) << c.link;
    }
    EXPECT_EQ(ListFolder(Path("links")),
              (std::vector<std::string>{"absolute.cbf", "chain.cbf", "dangling.cbf", "relative.cbf"}));
    EXPECT_EQ(ListFolder(Path("data")), (std::vector<std::string>{"absolute.cbf", "created.cbf", "relative.cbf"}));
}

TEST_F(IniFileCrash, PermissionsAndOwnerOfTheOldFileAreKept) {
    const mode_t modes[] = {0600, 0640, 0604, 0444, 0664};
    const std::string file = Path("c.cbf");
    for (mode_t mode : modes) {
        WriteBytes(file, kOld);
        ASSERT_EQ(::chmod(file.c_str(), mode), 0);
        const bool asRoot = ::geteuid() == 0;
        if (asRoot) {
            ASSERT_EQ(::chown(file.c_str(), 65534, 65534), 0);
        }
        TIniFile(file).WriteString("S", "k", "v");
        struct stat info {};
        ASSERT_EQ(::stat(file.c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 07777, mode);
        if (asRoot) {
            EXPECT_EQ(info.st_uid, 65534u);
        }
        EXPECT_EQ(ReadBytes(file), kOld + "[S]\r\nk=v\r\n\r\n");
    }
}

} // namespace
} // namespace mcb

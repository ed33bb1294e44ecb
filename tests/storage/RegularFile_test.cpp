// Opening only regular files: a pipe, a device or a folder in a file's place is refused at once,
// never waited on, and nothing is created in its stead.
#include "storage/RegularFile.h"
#include "support/TempDir.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace mcb::test {
namespace {

class RegularFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir.Write("file", "12345");
        ASSERT_EQ(::mkdir(dir.File("folder").c_str(), 0755), 0);
        ASSERT_EQ(::mkfifo(dir.File("pipe").c_str(), 0644), 0);
        ASSERT_EQ(::mkfifo(dir.File("held pipe").c_str(), 0644), 0);
        ASSERT_EQ(::symlink(dir.File("pipe").c_str(), dir.File("link to pipe").c_str()), 0);
        ASSERT_EQ(::symlink(dir.File("file").c_str(), dir.File("link to file").c_str()), 0);
        // Both ends held open: opening it would not wait, and it still is no file.
        heldPipe = ::open(dir.File("held pipe").c_str(), O_RDWR | O_NONBLOCK);
        ASSERT_GE(heldPipe, 0);
    }
    void TearDown() override { ::close(heldPipe); }

    std::string Path(const std::string& name) const { return name.front() == '/' ? name : dir.File(name); }

    TempDir dir;
    int heldPipe = -1;
};

TEST_F(RegularFileTest, OnlyRegularFilesOpen) {
    const struct {
        const char* name;
        OpenState reading;
        OpenState appending;
    } cases[] = {
        {"file", OpenState::Opened, OpenState::Opened},
        {"link to file", OpenState::Opened, OpenState::Opened},
        {"missing", OpenState::Missing, OpenState::Opened}, // appending creates it
        {"folder", OpenState::NotRegular, OpenState::NotRegular},
        {"pipe", OpenState::NotRegular, OpenState::NotRegular},
        {"held pipe", OpenState::NotRegular, OpenState::NotRegular},
        {"link to pipe", OpenState::NotRegular, OpenState::NotRegular},
        {"/dev/null", OpenState::NotRegular, OpenState::NotRegular},
        {"no folder/file", OpenState::Missing, OpenState::Missing},
    };
    for (const auto& c : cases) {
        const RegularFile read = RegularFile::ForReading(Path(c.name));
        EXPECT_EQ(read.State(), c.reading) << c.name;
        EXPECT_EQ(read.Ok(), c.reading == OpenState::Opened) << c.name;
        ::unlink(dir.File("missing").c_str());
        const RegularFile append = RegularFile::ForAppending(Path(c.name), 0600);
        EXPECT_EQ(append.State(), c.appending) << c.name;
        EXPECT_EQ(append.Ok(), c.appending == OpenState::Opened) << c.name;
    }
    struct stat info {};
    EXPECT_EQ(::lstat(dir.File("pipe").c_str(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode)) << "a pipe is left as it is";
}

// The descriptor of an opened file reads, appends and waits as any other: the flag that kept the
// opening from waiting is gone.
TEST_F(RegularFileTest, OpenedFileBehavesNormally) {
    RegularFile read = RegularFile::ForReading(dir.File("file"));
    ASSERT_TRUE(read.Ok());
    EXPECT_EQ(read.Size(), 5);
    EXPECT_EQ(::fcntl(read.Fd(), F_GETFL) & O_NONBLOCK, 0);
    EXPECT_NE(::fcntl(read.Fd(), F_GETFD) & FD_CLOEXEC, 0);
    char bytes[5] = {};
    EXPECT_EQ(::read(read.Fd(), bytes, 5), 5);

    RegularFile append = RegularFile::ForAppending(dir.File("file"), 0600);
    ASSERT_TRUE(append.Ok());
    EXPECT_EQ(::write(append.Fd(), "6", 1), 1);
    EXPECT_EQ(TempDir::Read(dir.File("file")), "123456");

    const int fd = read.Release();
    EXPECT_EQ(read.Fd(), -1);
    EXPECT_EQ(::close(fd), 0) << "the caller owns a released descriptor";
    RegularFile moved = std::move(append);
    EXPECT_TRUE(moved.Ok());
    EXPECT_FALSE(append.Ok());
}

} // namespace
} // namespace mcb::test

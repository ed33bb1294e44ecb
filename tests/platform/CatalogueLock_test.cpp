// The mark of a running program on its catalogue: one for every name of the catalogue, held only while
// the holder runs.
#include "platform/posix/CatalogueLock.h"
#include "support/TempDir.h"

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace mcb {
namespace {

TEST(CatalogueLock, EveryNameOfACatalogueGivesTheSameClaim) {
    test::TempDir dir;
    dir.Write("films/base.cbf", "[S]\r\n");
    std::filesystem::create_directory(dir.File("other"));
    ASSERT_EQ(::symlink(dir.File("films/base.cbf").c_str(), dir.File("link.cbf").c_str()), 0);
    ASSERT_EQ(::symlink(dir.File("films").c_str(), dir.File("folder-link").c_str()), 0);
    const std::string name = ClaimName(dir.File("films/base.cbf"));
    for (const std::string& same : {dir.File("link.cbf"), dir.File("other/../films/base.cbf"),
                                    dir.File("folder-link/base.cbf"), dir.File("films/./base.cbf")})
        EXPECT_EQ(ClaimName(same), name) << same;
    for (const std::string& other : {dir.File("films/base2.cbf"), dir.File("other/base.cbf")})
        EXPECT_NE(ClaimName(other), name) << other;
    // A catalogue not written yet has its name already, reached through any name of its folder.
    EXPECT_EQ(ClaimName(dir.File("folder-link/new.cbf")), ClaimName(dir.File("films/new.cbf")));
}

// A holder that is killed holds nothing: the next program takes the catalogue.
TEST(CatalogueLock, HeldWhileTheHolderRunsAndFreeAfterItsCrash) {
    test::TempDir dir;
    const std::string folder = dir.Path();
    const std::string catalogue = dir.File("base.cbf");
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t holder = ::fork();
    if (holder == 0) {
        std::unique_ptr<CatalogueLock> lock;
        const char c = CatalogueLock::Take(folder, catalogue, lock) == CatalogueLock::Outcome::Taken ? 'y' : 'n';
        [[maybe_unused]] const ssize_t told = ::write(ready[1], &c, 1);
        ::pause();
        ::_exit(0);
    }
    char c = 0;
    ASSERT_EQ(::read(ready[0], &c, 1), 1);
    ASSERT_EQ(c, 'y');
    std::unique_ptr<CatalogueLock> lock;
    EXPECT_EQ(CatalogueLock::Take(folder, catalogue, lock), CatalogueLock::Outcome::HeldElsewhere);
    EXPECT_EQ(CatalogueLock::Take(folder, dir.File("other.cbf"), lock), CatalogueLock::Outcome::Taken);
    lock.reset();
    ::kill(holder, SIGKILL);
    ::waitpid(holder, nullptr, 0);
    EXPECT_EQ(CatalogueLock::Take(folder, catalogue, lock), CatalogueLock::Outcome::Taken);
    ::close(ready[0]);
    ::close(ready[1]);
}

// Another user could take or fake the marks in a folder others may enter.
TEST(CatalogueLock, ClaimFolderIsPrivate) {
    test::TempDir dir;
    const char* previous = std::getenv("XDG_RUNTIME_DIR");
    const std::string saved = previous ? previous : "";
    ::setenv("XDG_RUNTIME_DIR", dir.Path().c_str(), 1);
    const std::optional<std::string> folder = ClaimFolder();
    ASSERT_TRUE(folder);
    EXPECT_EQ(*folder, dir.File("mirvane-cdbase"));
    struct stat info {};
    ASSERT_EQ(::stat(folder->c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    ASSERT_EQ(::chmod(folder->c_str(), 0755), 0);
    const std::string fallback = "/tmp/mirvane-cdbase-" + std::to_string(::geteuid());
    const bool hadFallback = std::filesystem::exists(fallback);
    EXPECT_NE(ClaimFolder(), folder) << "a folder others may enter is not used";
    if (!hadFallback) std::filesystem::remove(fallback);
    if (previous)
        ::setenv("XDG_RUNTIME_DIR", saved.c_str(), 1);
    else
        ::unsetenv("XDG_RUNTIME_DIR");
}

} // namespace
} // namespace mcb

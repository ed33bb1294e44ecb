#include "storage/AtomicFile.h"
#include "support/TempDir.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace mcb {
namespace {

// The temporary name wraps the target's own file name, never a part of its folder.
TEST(PendingFile, TemporaryNameWrapsTheFileName) {
    const struct {
        const char* path;
        const char* expected;
    } cases[] = {{"/home/u/Фильмы/base.xlsx", "~base.xlsx.tmp"}, {"base.xlsx", "~base.xlsx.tmp"}, {"/x/", "~.tmp"}};
    for (const auto& c : cases) EXPECT_EQ(TempNameFor(c.path, "~", ".tmp"), c.expected) << c.path;
}

// Another writer fills the temporary file by its name; the target changes only on Commit().
TEST(PendingFile, ReplacesTheTargetOnlyWhenCommitted) {
    for (bool commit : {true, false}) {
        test::TempDir dir;
        const std::string target = dir.File("report.pdf");
        dir.Write("report.pdf", "old");
        ::chmod(target.c_str(), 0640);
        std::string temp;
        {
            PendingFile file(target, ".report.pdf.part");
            ASSERT_TRUE(file.Ok());
            temp = file.TempPath();
            EXPECT_EQ(dir.File(".report.pdf.part"), temp);
            std::ofstream(temp, std::ios::binary | std::ios::trunc) << "new";
            if (commit) {
                EXPECT_TRUE(file.Commit());
                // What a later save compares the file with: as it is on disk, the rename included.
                EXPECT_EQ(file.Committed(), IdentityAt(target));
            }
        }
        EXPECT_EQ(commit ? "new" : "old", test::TempDir::Read(target));
        EXPECT_FALSE(std::filesystem::exists(temp));
        struct stat info {};
        ::stat(target.c_str(), &info);
        EXPECT_EQ(0640u, info.st_mode & 07777);
    }
}

TEST(PendingFile, FolderThatCannotTakeTheFileIsNotOk) {
    test::TempDir dir;
    PendingFile file(dir.File("missing/report.pdf"), ".part");
    EXPECT_FALSE(file.Ok());
    EXPECT_FALSE(file.Commit());
}

} // namespace
} // namespace mcb

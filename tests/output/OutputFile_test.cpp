// A report or a workbook never takes the place of the catalogue or of a file that belongs to it.
#include "RecordingCanvas.h"
#include "output/ExportCommand.h"
#include "output/OutputFile.h"
#include "output/PrintCommand.h"
#include "support/FakeServices.h"
#include "support/TempDir.h"

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace mcb {
namespace {

namespace fs = std::filesystem;

const std::string kCatalogue = "[Common]\r\nLastCDID=00001\r\n\r\n[00001]\r\nNam=Solaris\r\n\r\n";

TEST(OutputFile, ExtensionIsAddedUnlessTheNameEndsInIt) {
    const struct {
        const char* name;
        const char* extended;
    } cases[] = {{"report", "report.pdf"},         {"report.pdf", "report.pdf"}, {"REPORT.PDF", "REPORT.PDF"},
                 {"report.txt", "report.txt.pdf"}, {"report.", "report.pdf"},    {"films.cbf", "films.cbf.pdf"}};
    for (const auto& c : cases) EXPECT_EQ(WithOutputExtension(c.name, ".pdf"), c.extended) << c.name;
}

class OutputRefusalTest : public ::testing::Test {
protected:
    OutputRefusalTest() {
        dir.Write("films.cbf", kCatalogue);
        dir.Write("films.log", "journal");
        dir.Write("films.bak", kCatalogue);
        fs::create_directory(dir.File("sub"));
    }
    // Makes the file by `make` and returns its name.
    std::string Made(const std::string& name, const std::function<int(const char*)>& make) {
        EXPECT_EQ(make(dir.File(name).c_str()), 0) << name;
        return dir.File(name);
    }
    test::TempDir dir;
    std::string films = dir.File("films.cbf");
};

// Every name under which the output would be one of the catalogue's files, and every file that is no
// regular file.
TEST_F(OutputRefusalTest, CatalogueItsFilesAndOtherKindsOfFileAreRefused) {
    dir.Write("old.pdf", "an older report");
    struct Case {
        const char* name;
        std::string output;
        bool refused;
    } cases[] = {
        {"a new file", dir.File("new.pdf"), false},
        {"an older report", dir.File("old.pdf"), false},
        {"the catalogue", films, true},
        {"a hard link to it", Made("hard.pdf", [&](const char* out) { return ::link(films.c_str(), out); }), true},
        {"a symbolic link to it", Made("soft.pdf", [&](const char* out) { return ::symlink(films.c_str(), out); }),
         true},
        {"its journal", dir.File("films.log"), true},
        {"a link to its backup",
         Made("bak.pdf", [&](const char* out) { return ::symlink(dir.File("films.bak").c_str(), out); }), true},
        {"the same names spelled otherwise", dir.File("sub/../films.cbf"), true},
        {"a folder", Made("folder.pdf", [](const char* out) { return ::mkdir(out, 0755); }), true},
        {"a named pipe", Made("pipe.pdf", [](const char* out) { return ::mkfifo(out, 0600); }), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<UserText> refusal = OutputRefusal(c.output, films);
        EXPECT_EQ(refusal.has_value(), c.refused);
        if (refusal) {
            EXPECT_NE(refusal->Utf8().find(c.output), std::string::npos) << "the message names the file";
        }
    }
    EXPECT_TRUE(OutputRefusal(dir.File("films.bak"), dir.File("sub/../films.cbf")));
    // A catalogue never written yet still owns its name.
    EXPECT_TRUE(OutputRefusal(dir.File("new.cbf"), dir.File("sub/../new.cbf")));
}

TEST_F(OutputRefusalTest, DeviceNodeIsRefused) {
    const std::string node = dir.File("device");
    if (::mknod(node.c_str(), S_IFCHR | 0600, makedev(1, 3)) != 0)
        GTEST_SKIP() << "making a device node needs the superuser";
    EXPECT_TRUE(OutputRefusal(node, dir.File("films.cbf")));
}

// The commands without a display refuse such an output with exit status 1, writing nothing.
TEST_F(OutputRefusalTest, CommandsRefuseWithStatusOneAndWriteNothing) {
    ASSERT_EQ(::link(films.c_str(), dir.File("other-name.cbf").c_str()), 0);
    for (const std::string& out : {films, dir.File("other-name.cbf"), dir.File("films.log")}) {
        SCOPED_TRACE(out);
        const ListRequest table{films, dir.File("fields.ini"), 46000};
        std::ostringstream err;
        EXPECT_EQ(RunExportCommand({table, out, {}}, test::FixedDateFormat(), err), 1);
        EXPECT_NE(err.str().find(out), std::string::npos);
        test::RecordingCanvas canvas{1200, 3000};
        const test::FakePrinterFonts fonts{{kUsualFont}, {"DejaVu Sans", 9}};
        std::ostringstream printErr;
        EXPECT_EQ(RunPrintCommand({table, out}, {canvas, fonts}, test::FixedClock(), test::FixedDateFormat(), printErr),
                  1);
        EXPECT_NE(printErr.str().find(out), std::string::npos);
    }
    EXPECT_EQ(test::TempDir::Read(films), kCatalogue);
    EXPECT_EQ(test::TempDir::Read(dir.File("films.log")), "journal");
}

} // namespace
} // namespace mcb

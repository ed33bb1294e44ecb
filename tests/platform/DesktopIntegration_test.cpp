#include "platform/DesktopIntegration.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace mcb {
namespace {

TEST(DesktopIntegration, WritesOnlyWhenMissingOrDifferent) {
    test::TempDir dir;
    const std::string data = dir.File("data");
    EXPECT_TRUE(RegisterCatalogueType("/opt/mcb/mirvane-cdbase", data));
    EXPECT_FALSE(RegisterCatalogueType("/opt/mcb/mirvane-cdbase", data)) << "unchanged files are not rewritten";
    EXPECT_EQ(test::TempDir::Read(data + "/mime/packages/mirvane-cdbase.xml"), MimePackageText());
    EXPECT_TRUE(RegisterCatalogueType("/usr/bin/mirvane-cdbase", data)) << "a moved program is registered anew";
    EXPECT_EQ(test::TempDir::Read(data + "/applications/mirvane-cdbase.desktop"),
              DesktopEntryText("/usr/bin/mirvane-cdbase"));
    EXPECT_FALSE(RegisterCatalogueType("/x", "")) << "no data folder, nothing written";
}

TEST(DesktopIntegration, ExecLineQuotesTheProgramPath) {
    struct Case {
        std::string path, exec;
    } cases[] = {{"/opt/my programs/mcb", "Exec=\"/opt/my programs/mcb\" %f\n"},
                 {"/opt/$x`y\"z\\w/mcb", "Exec=\"/opt/\\\\$x\\\\`y\\\\\"z\\\\\\\\w/mcb\" %f\n"}};
    for (const auto& c : cases) EXPECT_NE(DesktopEntryText(c.path).find(c.exec), std::string::npos) << c.path;
}

// The files installed with the program and the ones it registers for the user describe the same
// program: the user's desktop entry hides the installed one of the same name, so any difference
// would show (a missing icon, say) once the program has run.
TEST(DesktopIntegration, InstalledFilesMatchTheRegisteredOnes) {
    const std::string packaging = MCB_SOURCE_DIR "/packaging/";
    EXPECT_EQ(test::TempDir::Read(packaging + "mirvane-cdbase.xml"), MimePackageText());
    std::string registered = DesktopEntryText("/usr/bin/mirvane-cdbase");
    const std::string exec = "Exec=\"/usr/bin/mirvane-cdbase\" %f";
    registered.replace(registered.find(exec), exec.size(), "Exec=mirvane-cdbase %f");
    EXPECT_EQ(test::TempDir::Read(packaging + "mirvane-cdbase.desktop"), registered);
}

} // namespace
} // namespace mcb

#include "platform/HelpPages.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace mcb {
namespace {

// Folders are given relative to a fresh temporary folder; "" for none.
TEST(HelpPages, FirstFolderWithTheContentsPageWins) {
    struct Case {
        const char* name;
        std::vector<std::string> pages; // files that exist
        std::string exeDir, sourceDir, expected;
    } cases[] = {
        {"installed: beside the executable's folder",
         {"usr/share/mirvane-cdbase/help/index.html"},
         "usr/bin",
         "src",
         "usr/share/mirvane-cdbase/help"},
        {"build folder: the sources' pages", {"src/help/index.html"}, "build", "src", "src/help"},
        {"pages beside the executable come first",
         {"opt/help/index.html", "share/mirvane-cdbase/help/index.html", "src/help/index.html"},
         "opt",
         "src",
         "opt/help"},
        {"installed pages come before the sources'",
         {"usr/share/mirvane-cdbase/help/index.html", "src/help/index.html"},
         "usr/bin",
         "src",
         "usr/share/mirvane-cdbase/help"},
        {"a help folder without its contents page is skipped",
         {"usr/bin/help/topic-5.html", "src/help/index.html"},
         "usr/bin",
         "src",
         "src/help"},
        {"no pages anywhere", {"usr/bin/help/topic-5.html"}, "usr/bin", "src", ""},
        {"unknown folders do not mean the current one", {"help/index.html"}, "", "", ""},
    };
    for (const Case& c : cases) {
        test::TempDir dir;
        for (const std::string& page : c.pages) dir.Write(page, "<html></html>");
        auto at = [&](const std::string& relative) { return relative.empty() ? relative : dir.File(relative); };
        const std::string exeDir = at(c.exeDir);
        if (!exeDir.empty()) std::filesystem::create_directories(exeDir);
        const std::string sourceDir = at(c.sourceDir);
        // The current folder holds pages, so that a lookup relative to it would be noticed.
        const std::filesystem::path previous = std::filesystem::current_path();
        std::filesystem::current_path(dir.Path());
        EXPECT_EQ(FindHelpDirectory(exeDir, sourceDir), at(c.expected)) << c.name;
        std::filesystem::current_path(previous);
    }
}

} // namespace
} // namespace mcb

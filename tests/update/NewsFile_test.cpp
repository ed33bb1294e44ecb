#include "storage/Literal.h"
#include "storage/MyIniFiles.h"
#include "support/TempDir.h"
#include "update/NewsFile.h"

#include <gtest/gtest.h>

namespace mcb {
namespace {

NewsReport Read(const std::string& text) {
    test::TempDir dir;
    dir.Write("news.txt", W(text));
    return ReadNews(TIniFile(dir.File("news.txt")), "1.8.1");
}

// The news file as the site publishes it: the signature and a version list, then the sections given.
std::string News(const std::string& versions, const std::string& sections, const std::string& signature = "Quillor") {
    return "[VersionList]\r\nSignature=" + signature + "\r\n" + versions + sections;
}

const std::string kFourVersions = "versions=4\r\nversion1=1.7\r\nversion2=1.8.1\r\nversion3=1.9\r\nversion4=1.8.2\r\n";

TEST(NewsFileTest, ChangeLinesOfTheVersionsListedAfterTheRunningOne) {
    const struct {
        const char* what;
        std::string text;
        std::vector<std::string> lines;
        std::string last;
    } cases[] = {
        {"the third and the fourth of four, in list order, not by their digits",
         News(kFourVersions, "[1.7]\r\nLines=1\r\nline1=old\r\n[1.9]\r\nLines=2\r\nline1=Печать\r\nline2=Экспорт\r\n"
                             "[1.8.2]\r\nLines=1\r\nline1=Исправления\r\n"),
         {W("Печать"), W("Экспорт"), W("Исправления")},
         "1.8.2"},
        {"running version last",
         News("versions=2\r\nversion1=1.7\r\nversion2=1.8.1\r\n", "[1.7]\r\nLines=1\r\nline1=x\r\n"),
         {},
         "1.8.1"},
        {"running version missing, higher numbers listed",
         News("versions=2\r\nversion1=1.9\r\nversion2=2.0\r\n",
              "[1.9]\r\nLines=1\r\nline1=x\r\n[2.0]\r\nLines=1\r\nline1=y\r\n"),
         {},
         "2.0"},
        {"a newer version with Lines 0 and one with only empty lines",
         News(kFourVersions, "[1.9]\r\nLines=0\r\nline1=hidden\r\n[1.8.2]\r\nLines=2\r\nline1=\r\nline2=\r\n"),
         {},
         "1.8.2"},
        {"no versions key", News("version1=1.8.1\r\nversion2=1.9\r\n", "[1.9]\r\nLines=1\r\nline1=x\r\n"), {}, ""},
        {"empty lines skipped, keys and sections in any letter case, lines beyond the count ignored",
         News("VERSIONS=3\r\nVersion1=1.8.1\r\nversion2=1.9\r\nversion3=2.0\r\n",
              "[1.9]\r\nlines=3\r\nLINE1=a\r\nline2=\r\nline3=b\r\nline4=beyond\r\n[2.0]\r\nLines=1\r\nline1=c\r\n"),
         {"a", "b", "c"},
         "2.0"},
        {"the last entry missing: its version reads as empty",
         News("versions=3\r\nversion1=1.8.1\r\nversion2=1.9\r\n", "[1.9]\r\nLines=1\r\nline1=a\r\n"),
         {"a"},
         ""},
        {"huge counters, duplicate and zero-padded keys",
         News("versions=2147483647\r\nversion1=1.8.1\r\nversion2=1.9\r\nversion2=2.5\r\nversion03=3.0\r\n",
              "[1.9]\r\nLines=2147483647\r\nline1=a\r\nline1=again\r\nline2000000=b\r\n[3.0]\r\nLines=1\r\nline1="
              "no\r\n"),
         {"a", "b"},
         ""},
    };
    for (const auto& c : cases) {
        const NewsReport report = Read(c.text);
        EXPECT_TRUE(report.genuine) << c.what;
        EXPECT_EQ(report.changeLines, c.lines) << c.what;
        EXPECT_EQ(report.lastVersion, c.last) << c.what;
        EXPECT_EQ(report.NewVersionFound(), !c.lines.empty()) << c.what;
    }
}

TEST(NewsFileTest, SignatureMustBeExact) {
    const std::string sections = "[1.9]\r\nLines=1\r\nline1=x\r\n";
    const std::string versions = "versions=2\r\nversion1=1.8.1\r\nversion2=1.9\r\n";
    EXPECT_TRUE(Read(News(versions, sections)).NewVersionFound());
    for (const char* signature : {"quillor", "QUILLOR", "Quillor2", "", "Quil"}) {
        const NewsReport report = Read(News(versions, sections, signature));
        EXPECT_FALSE(report.genuine) << signature;
        EXPECT_FALSE(report.NewVersionFound()) << signature;
    }
    EXPECT_FALSE(Read(versions + sections).genuine) << "no signature at all";
    EXPECT_FALSE(Read("<html><body>Not found</body></html>").genuine);
    EXPECT_FALSE(Read("").genuine);
}

} // namespace
} // namespace mcb

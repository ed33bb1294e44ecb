#include "storage/Description.h"
#include "storage/MyIniFiles.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace mcb {
namespace {

using Lines = std::vector<std::string>;

TEST(Description, TextToLines) {
    const std::pair<std::string, Lines> cases[] = {
        {"", {}},
        {"\r\n\r\n", {}},
        {"one", {"one"}},
        {"one\r\n\r\nthree", {"one", "", "three"}},
        {"one\n\nthree\n", {"one", "", "three"}},
        {"one\r\ntwo\r\n\r\n\r\n", {"one", "two"}},
        {"\r\nsecond", {"", "second"}},
        {"a\rb\r\nc", {"ab", "c"}}, // a lone CR would split the stored line
    };
    for (const auto& [text, lines] : cases) EXPECT_EQ(DescriptionToLines(text), lines) << text;
}

class DescriptionFile : public ::testing::Test {
protected:
    test::TempDir dir;
};

TEST_F(DescriptionFile, WrittenAndReadBack) {
    TIniFile ini(dir.File("c.cbf"));
    WriteDescription(ini, "00001", "one\r\n\r\nthree\r\n\r\n");
    EXPECT_EQ(ini.ReadInteger("00001", "Lin", -1), 3);
    EXPECT_EQ(ini.ReadString("00001", "Li2", "x"), "");
    EXPECT_EQ(ini.ReadString("00001", "Li4", "none"), "none") << "trailing empty lines are not stored";
    EXPECT_EQ(ReadDescription(ini, "00001"), "one\r\n\r\nthree");

    WriteDescription(ini, "00002", "");
    EXPECT_EQ(ini.ReadInteger("00002", "Lin", -1), 0);
    EXPECT_EQ(ReadDescription(ini, "00002"), "");
}

// Every line up to Lin is read, a missing key being an empty line; a damaged count (gaps far beyond
// the size of the file) keeps only the present lines instead of filling minutes and gigabytes.
TEST_F(DescriptionFile, ReadsUpToLinFillingOnlyGapsOfRealisticSize) {
    dir.Write("c.cbf", "[stale]\r\nLin=2\r\nLi1=a\r\nLi2=b\r\nLi3=old\r\n"
                       "[huge]\r\nLin=2000000000\r\nLi1=a\r\nLi2=b\r\n"
                       "[negative]\r\nLin=-5\r\nLi1=a\r\n"
                       "[junk]\r\nLin=lots\r\nLi1=a\r\n"
                       "[none]\r\nLi1=a\r\n"
                       "[gap]\r\nLin=3\r\nLi1=a\r\nLi3=c\r\n"
                       "[hole]\r\nLin=5\r\nli4=d\r\nLi1=a\r\nLi03=x\r\n"
                       "[wide]\r\nLin=4000\r\nLi1=a\r\nLi3999=z\r\n"
                       "[wider]\r\nLin=5000\r\nLi1=a\r\nLi4999=z\r\n"
                       "[largest]\r\nLin=2147483647\r\nLi2147483647=last\r\nLi2147483648=x\r\n"
                       "[twice]\r\nLin=2\r\nLi2=b\r\nLi1=a\r\nLi1=second a\r\n"
                       "[declared]\r\nLin=3\r\nLi1=a\r\n"
                       "[blank]\r\nLin=2\r\n");
    const TIniFile ini(dir.File("c.cbf"));
    std::string wide = "a";
    for (int k = 2; k < 3999; ++k) wide += "\r\n";
    wide += "\r\nz\r\n";
    const std::pair<const char*, std::string> cases[] = {
        {"stale", "a\r\nb"},
        {"huge", "a\r\nb"},
        {"negative", ""},
        {"junk", ""},
        {"none", ""},
        {"missing", ""},
        {"gap", "a\r\n\r\nc"},
        {"hole", "a\r\n\r\n\r\nd\r\n"},
        {"wide", wide},
        {"wider", "a\r\nz"},
        {"largest", "last"},
        {"twice", "a\r\nb"},
        {"declared", "a\r\n\r\n"},
        {"blank", "\r\n"},
    };
    for (const auto& [section, text] : cases) EXPECT_EQ(ReadDescription(ini, section), text) << section;
    EXPECT_EQ(ReadDescriptionLines(ini, "gap"), Lines({"a", "", "c"}));
    EXPECT_EQ(ReadDescriptionLines(ini, "declared"), Lines({"a", "", ""})) << "lines after the last key count too";
}

} // namespace
} // namespace mcb

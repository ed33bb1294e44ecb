#include "IniFileSupport.h"
#include "storage/IniText.h"
#include "storage/MyIniFiles.h"
#include "storage/TextCodec.h"

#include <climits>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace mcb {
namespace {

using test::ReadBytes;
using test::WriteBytes;

std::string W(const char* utf8) {
    return Cp1251FromUtf8(utf8).text;
}

std::string Reformat(const std::string& text) {
    IniStore store(text);
    ParseIniText(store);
    return FormatIniText(store, "");
}

TEST(IniText, ParsingKeepsSectionsAndKeyLinesOnly) {
    struct Case {
        const char* name;
        std::string in;
        std::string out;
    } cases[] = {
        {"word line without = dropped", "[A]\r\nword\r\nk=v\r\n", "[A]\r\nk=v\r\n\r\n"},
        {"blanks inside brackets kept", "[ A ]\nk=v", "[ A ]\r\nk=v\r\n\r\n"},
        {"blanks around = kept", "[A]\nk = v", "[A]\r\nk = v\r\n\r\n"},
        {"LF, CR and runs of both end lines", "[A]\rk=1\n\n\r\r\nj=2\r\n", "[A]\r\nk=1\r\nj=2\r\n\r\n"},
        {"control bytes trimmed at both ends", " \t[A]\x01 \r\n \x1fk=v \t", "[A]\r\nk=v\r\n\r\n"},
        {"comments dropped", ";c\r\n[A]\r\n;k=v\r\nx=1", "[A]\r\nx=1\r\n\r\n"},
        {"lines before the first section dropped", "k=v\r\n[A]\r\nx=1", "[A]\r\nx=1\r\n\r\n"},
        {"[] ignored, keys go to the previous section", "[A]\r\n[]\r\nk=v", "[A]\r\nk=v\r\n\r\n"},
        {"[] before any section", "[]\r\nk=v", ""},
        {"unclosed bracket is a key line", "[A]\r\n[B=1]x\r\n[C", "[A]\r\n[B=1]x\r\n\r\n"},
        {"text after the closing bracket", "[A]k=v\r\n[B]\r\nx=1", "[B]\r\nx=1\r\n\r\n"},
        {"empty key kept, one-byte line dropped", "[A]\r\n=v\r\n=\r\na", "[A]\r\n=v\r\n\r\n"},
        {"NUL bytes belong to the line", std::string("[A]\r\nk=v\0w", 10), std::string("[A]\r\nk=v\0w\r\n\r\n", 14)},
        {"duplicates kept, never-keyed section not written", "[A]\r\n[a]\r\nk=1\r\nK=2", "[a]\r\nk=1\r\nK=2\r\n\r\n"},
        {"only line ends", "\r\r\r\n\n", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(Reformat(c.in), c.out) << c.name;
}

class IniFileBehaviour : public test::IniFileTest {
protected:
    std::string Load(const std::string& content) {
        WriteBytes(Path("a.ini"), content);
        return Path("a.ini");
    }
};

TEST_F(IniFileBehaviour, LookupsIgnoreCaseAndTakeTheFirstMatch) {
    const std::string file = Load(W("[Main]\r\nKey=Value\r\nkey=second\r\nEmpty=\r\nКлюч=знач\r\n"
                                    "[ Blank ]\r\na = b\r\n[main]\r\nKey=other\r\n"));
    TIniFile ini(file);
    struct Case {
        std::string section, key, expected;
    } cases[] = {
        {"Main", "Key", "Value"},     {"MAIN", "KEY", "Value"},
        {"main", "key", "Value"},     {"Main", "Empty", ""},
        {"Main", "Missing", "def"},   {"Nope", "Key", "def"},
        {"Blank", "a", "def"},        {" Blank ", "a", "def"},
        {" blank ", "A ", " b"},      {W("MAIN"), W("КЛЮЧ"), W("знач")},
        {"Main", "Key=Value", "def"}, {"", "Key", "def"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ini.ReadString(c.section, c.key, "def"), c.expected) << c.section << "/" << c.key;
}

TEST_F(IniFileBehaviour, EraseAndDeleteRevealTheNextDuplicate) {
    TIniFile ini(Load("[S]\r\nk=1\r\nK=2\r\nk=3\r\n[s]\r\nk=other\r\nx=y\r\n"));
    EXPECT_EQ(ini.SectionNames(), (std::vector<std::string>{"S", "s"}));
    EXPECT_EQ(ini.KeyNames("S"), (std::vector<std::string>{"k", "K", "k"}));
    ini.DeleteKey("s", "K");
    EXPECT_EQ(ini.ReadString("S", "k", ""), "2");
    ini.DeleteKey("S", "k");
    EXPECT_EQ(ini.ReadString("S", "k", ""), "3");
    EXPECT_EQ(ini.KeyNames("S"), (std::vector<std::string>{"k"}));
    ini.EraseSection("S");
    EXPECT_EQ(ini.ReadString("S", "k", ""), "other");
    EXPECT_EQ(ini.SectionNames(), (std::vector<std::string>{"s"}));
    ini.EraseSection("S");
    EXPECT_EQ(ini.ReadString("S", "x", "gone"), "gone");
    EXPECT_TRUE(ini.SectionNames().empty());
}

TEST_F(IniFileBehaviour, WritesGoToTheFirstMatchAndKeepTheStoredKey) {
    const std::string file = Load("[S]\r\nMyKey=old\r\n[T]\r\nx=1\r\n[s]\r\nMyKey=second\r\n");
    {
        TIniFile ini(file);
        ini.WriteString("s", "MYKEY", "new");
        ini.WriteString("S", "Added", "a=b");
        ini.WriteString("U", "k", "v");
        ini.WriteString("t", "x", "");
    }
    EXPECT_EQ(ReadBytes(file), "[S]\r\nMyKey=new\r\nAdded=a=b\r\n\r\n[T]\r\nx=\r\n\r\n"
                               "[s]\r\nMyKey=second\r\n\r\n[U]\r\nk=v\r\n\r\n");
}

TEST_F(IniFileBehaviour, EraseThenWriteAppendsAFreshSectionAtTheEnd) {
    const std::string file = Load("[A]\r\nx=1\r\ny=2\r\n[B]\r\ny=2\r\n");
    {
        TIniFile ini(file);
        ini.EraseSection("a");
        ini.WriteString("A", "x", "3");
    }
    EXPECT_EQ(ReadBytes(file), "[B]\r\ny=2\r\n\r\n[A]\r\nx=3\r\n\r\n");
}

TEST_F(IniFileBehaviour, WrittenFileHasHeaderAndSkipsOnlyNeverKeyedSections) {
    const std::string file = Load("[A]\r\nk=1\r\n[Empty]\r\n[B]\r\nj=2\r\n");
    {
        TIniFile ini(file);
        ini.SetFileHeader(";header\r\n\r\n");
        ini.DeleteKey("A", "k");
    }
    EXPECT_EQ(ReadBytes(file), ";header\r\n\r\n[A]\r\n\r\n[B]\r\nj=2\r\n\r\n");
}

TEST_F(IniFileBehaviour, ValuesLoseTrailingBlanksAndSplitAtLineBreaks) {
    const std::string file = Path("v.ini");
    {
        TIniFile ini(file);
        ini.WriteString("S", "blanks", "  v  \t");
        ini.WriteString("S", "broken", "a\r\nb=c\rd");
    }
    TIniFile ini(file);
    EXPECT_EQ(ini.ReadString("S", "blanks", ""), "  v");
    EXPECT_EQ(ini.ReadString("S", "broken", ""), "a");
    EXPECT_EQ(ini.ReadString("S", "b", ""), "c");
    EXPECT_EQ(ini.KeyNames("S"), (std::vector<std::string>{"blanks", "broken", "b"}));
}

// A save that changes nothing writes nothing: a flush after a successful save, or the close after
// it, would otherwise put an old memory copy over whatever the file holds by then.
TEST_F(IniFileBehaviour, OnlyAChangeCausesAWriteAndASaveWritesItOnce) {
    const std::string original = ";comment\n[S]\nk=v\n";
    const std::string normalized = "[S]\r\nk=v\r\n\r\n";
    const std::string file = Load(original);
    {
        TIniFile ini(file);
        ini.DeleteKey("S", "missing");
        ini.EraseSection("missing");
        EXPECT_TRUE(ini.UpdateFile());
        EXPECT_EQ(ReadBytes(file), original) << "nothing changed, nothing written";
        ini.WriteString("s", "K", "v");
        EXPECT_TRUE(ini.UpdateFile());
        EXPECT_EQ(ReadBytes(file), normalized) << "an unchanged value still rewrites";
        struct stat first {};
        ASSERT_EQ(::stat(file.c_str(), &first), 0);
        EXPECT_TRUE(ini.UpdateFile());
        struct stat second {};
        ASSERT_EQ(::stat(file.c_str(), &second), 0);
        EXPECT_EQ(first.st_ino, second.st_ino) << "the second flush wrote the file again";
        WriteBytes(file, original);
        EXPECT_TRUE(ini.UpdateFile());
    }
    EXPECT_EQ(ReadBytes(file), original) << "a flush or the close after a save wrote an old copy";
}

TEST_F(IniFileBehaviour, StoreWithoutSectionsWritesNothing) {
    {
        TIniFile ini(Path("none.ini"));
        ini.SetFileHeader(";h\r\n");
        ini.DeleteKey("S", "k");
        EXPECT_TRUE(ini.UpdateFile());
    }
    EXPECT_FALSE(test::Exists(Path("none.ini")));
}

TEST_F(IniFileBehaviour, IntegersAreSigned32BitDecimals) {
    struct Case {
        const char* stored;
        int expected;
    } cases[] = {
        {"12", 12},
        {"12x", -7},
        {"", -7},
        {" 7", 7},
        {"\t7", 7},
        {"-5", -5},
        {"+5", 5},
        {"007", 7},
        {"00000", 0},
        {"2147483647", INT_MAX},
        {"-2147483648", INT_MIN},
        {"2147483648", -7},
        {"-2147483649", -7},
        {"99999999999999999999", -7},
        {"0x10", -7},
        {"1.5", -7},
        {"-", -7},
        {"+-1", -7},
        {"7 ", -7},
        {"1e3", -7},
        {"000000000000000000012", 12},
    };
    TIniFile ini(Path("n.ini"));
    for (const auto& c : cases) {
        ini.WriteString("N", "v", c.stored);
        EXPECT_EQ(ini.ReadInteger("N", "v", -7), c.expected) << '"' << c.stored << '"';
    }
    EXPECT_EQ(ini.ReadInteger("N", "missing", 42), 42);
    ini.WriteInteger("N", "w", -42);
    EXPECT_EQ(ini.ReadString("N", "w", ""), "-42");
    ini.WriteInteger("N", "w", INT_MIN);
    EXPECT_EQ(ini.ReadInteger("N", "w", 0), INT_MIN);
}

TEST_F(IniFileBehaviour, BooleansAreNonZeroIntegers) {
    struct Case {
        const char* stored;
        bool fallback, expected;
    } cases[] = {{"2", false, true}, {"-1", false, true}, {"0", true, false},  {"1", false, true},
                 {"", true, true},   {"", false, false},  {"yes", true, true}, {"yes", false, false}};
    TIniFile ini(Path("b.ini"));
    for (const auto& c : cases) {
        ini.WriteString("B", "v", c.stored);
        EXPECT_EQ(ini.ReadBool("B", "v", c.fallback), c.expected) << '"' << c.stored << '"';
    }
    ini.WriteBool("B", "t", true);
    ini.WriteBool("B", "f", false);
    EXPECT_EQ(ini.ReadString("B", "t", "") + ini.ReadString("B", "f", ""), "10");
}

TEST_F(IniFileBehaviour, PlainNamesLiveInTheSettingsDirectory) {
    const std::string directory = Path("config") + "/mirvane-cdbase/";
    {
        TIniFile ini("plain.ini");
        EXPECT_EQ(ini.FileName(), directory + "plain.ini");
        ini.WriteString("S", "k", "v");
    }
    EXPECT_EQ(ReadBytes(directory + "plain.ini"), "[S]\r\nk=v\r\n\r\n");
    EXPECT_EQ(TIniFile("./here.ini").FileName(), "./here.ini");
    struct stat info {};
    ASSERT_EQ(::stat(directory.c_str(), &info), 0);
    EXPECT_TRUE(S_ISDIR(info.st_mode));
}

} // namespace
} // namespace mcb

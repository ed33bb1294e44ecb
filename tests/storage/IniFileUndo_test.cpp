// A change that could not be saved is undone in memory: the store afterwards reads and writes
// exactly as it did before the change.
#include "IniFileSupport.h"
#include "storage/MyIniFiles.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <stdexcept>
#include <sys/stat.h>

namespace mcb {
namespace {

using test::ReadBytes;
using test::WriteBytes;

// Duplicate sections and keys, a long (indexed) section and a comment that only a rewrite drops.
std::string Original() {
    std::string text = "; kept until the file is rewritten\r\n[Common]\r\nLastCDID=00002\r\n"
                       "[00001]\r\nNam=Solaris\r\nNam=second Nam\r\nGin=-1\r\n"
                       "[00002]\r\nNam=Stalker\r\n[00001]\r\nNam=a second section\r\n[Contacts]\r\n";
    for (int i = 0; i < 100; ++i) text += std::to_string(i) + "=Name " + std::to_string(i) + "\r\n";
    return text;
}

class IniFileUndo : public test::IniFileTest {
protected:
    // The folder of the file can be taken away, which makes every save fail.
    std::string File() const { return Path("cat") + "/c.cbf"; }
    void Unwritable() { ASSERT_EQ(std::rename(Path("cat").c_str(), Path("away").c_str()), 0); }
    void Writable() { ASSERT_EQ(std::rename(Path("away").c_str(), Path("cat").c_str()), 0); }
    void SetUp() override {
        ASSERT_EQ(::mkdir(Path("cat").c_str(), 0755), 0);
        WriteBytes(File(), Original());
    }
    // What the store writes after one more, successful, change.
    std::string WrittenAfterProbe(TIniFile& ini) {
        EXPECT_TRUE(ini.ChangeAndSave([&] { ini.WriteString("Probe", "k", "v"); }));
        return ReadBytes(File());
    }
};

TEST_F(IniFileUndo, FailedChangeLeavesTheStoreAsItWas) {
    std::string expected;
    {
        TIniFile reference(File());
        expected = WrittenAfterProbe(reference);
    }
    struct Case {
        const char* name;
        void (*change)(TIniFile&);
    } cases[] = {
        {"value of a key", [](TIniFile& ini) { ini.WriteString("00001", "Nam", "changed"); }},
        {"new key", [](TIniFile& ini) { ini.WriteString("00002", "Gin", "3"); }},
        {"new section", [](TIniFile& ini) { ini.WriteString("00003", "Nam", "Mirror"); }},
        {"erased section", [](TIniFile& ini) { ini.EraseSection("00001"); }},
        {"deleted key", [](TIniFile& ini) { ini.DeleteKey("00001", "Nam"); }},
        {"long section",
         [](TIniFile& ini) {
             ini.DeleteKey("Contacts", "7");
             ini.WriteString("Contacts", "50", "Renamed");
             ini.WriteString("Contacts", "100", "Added");
         }},
        {"everything at once",
         [](TIniFile& ini) {
             ini.EraseSection("00001");
             ini.WriteString("00001", "Nam", "fresh");
             ini.EraseSection("00002");
             ini.DeleteKey("Common", "LastCDID");
             ini.WriteString("Common", "LastCDID", "00009");
         }},
    };
    for (const Case& c : cases) {
        WriteBytes(File(), Original());
        test::ErrorRecorder errors;
        TIniFile ini(File());
        Unwritable();
        EXPECT_FALSE(ini.ChangeAndSave([&] { c.change(ini); })) << c.name;
        Writable();
        EXPECT_EQ(errors.messages.size(), 1u) << c.name;
        EXPECT_EQ(ini.ReadString("00001", "Nam", ""), "Solaris") << c.name;
        EXPECT_EQ(ini.ReadString("Contacts", "7", ""), "Name 7") << c.name;
        EXPECT_EQ(ini.UpdateFile(), true);
        EXPECT_EQ(ReadBytes(File()), Original()) << c.name << ": nothing was left to write";
        EXPECT_EQ(WrittenAfterProbe(ini), expected) << c.name;
    }
}

TEST_F(IniFileUndo, EarlierUnsavedChangesStay) {
    TIniFile ini(File());
    ini.WriteString("00002", "Gin", "0"); // a change not saved yet
    Unwritable();
    {
        test::ErrorRecorder errors;
        EXPECT_FALSE(ini.ChangeAndSave([&] { ini.WriteString("00002", "Gin", "-1"); }));
    }
    Writable();
    EXPECT_EQ(ini.ReadString("00002", "Gin", ""), "0");
    EXPECT_TRUE(ini.UpdateFile());
    EXPECT_NE(ReadBytes(File()).find("[00002]\r\nNam=Stalker\r\nGin=0\r\n"), std::string::npos);
}

TEST_F(IniFileUndo, ChangeThatThrowsIsUndoneToo) {
    TIniFile ini(File());
    EXPECT_THROW(ini.ChangeAndSave([&] {
        ini.WriteString("00001", "Nam", "half done");
        throw std::runtime_error("stop");
    }),
                 std::runtime_error);
    EXPECT_EQ(ini.ReadString("00001", "Nam", ""), "Solaris");
}

} // namespace
} // namespace mcb

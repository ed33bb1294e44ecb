// A file the engine could not read is not an empty file: what it holds is not in the store, so the
// store must never write over it.
#include "IniFileSupport.h"
#include "storage/CatalogueFormat.h"
#include "storage/MyIniFiles.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace mcb {
namespace {

using test::ReadBytes;
using test::WriteBytes;

class IniFileLoad : public test::IniFileTest {};

TEST_F(IniFileLoad, HowTheFileWasFound) {
    struct Case {
        const char* name;
        const char* content; // nullptr: no file; "<dir>": a folder of that name
        ReadState state;
        bool withoutSections;
        bool refused;
    } cases[] = {
        {"catalogue", "[A]\r\nk=v\r\n", ReadState::Read, false, false},
        {"missing", nullptr, ReadState::Missing, false, false},
        {"empty", "", ReadState::Read, false, false},
        {"only blanks", " \r\n\t\r\n", ReadState::Read, false, false},
        {"a letter", "Dear friend,\r\nthe films are on the shelf.\r\n", ReadState::Read, true, true},
        {"only a comment", "; nothing else\r\n", ReadState::Read, true, true},
        {"a folder", "<dir>", ReadState::Failed, false, true},
    };
    for (const Case& c : cases) {
        const std::string file = Path(std::string(c.name) + ".cbf");
        if (c.content && std::string(c.content) == "<dir>")
            ASSERT_EQ(::mkdir(file.c_str(), 0755), 0);
        else if (c.content)
            WriteBytes(file, c.content);
        const TIniFile ini(file);
        EXPECT_EQ(ini.Loaded(), c.state) << c.name;
        EXPECT_EQ(ini.WithoutSections(), c.withoutSections) << c.name;
        const std::optional<UserText> refusal = CatalogueRefusal(ini);
        EXPECT_EQ(refusal.has_value(), c.refused) << c.name;
        if (refusal) {
            EXPECT_NE(refusal->Utf8().find(file), std::string::npos) << c.name << ": names the file";
        }
    }
}

// A file whose size says nothing but which holds text, as a file growing while it is read looks.
TEST_F(IniFileLoad, SizeThatChangedWhileReadingIsAFailure) {
    const TIniFile ini("/proc/self/status");
    EXPECT_EQ(ini.Loaded(), ReadState::Failed);
    EXPECT_TRUE(ini.SectionNames().empty());
}

TEST_F(IniFileLoad, RefusedFilesAreNeverWrittenOver) {
    const std::string letter = "Dear friend,\r\nthe films are on the shelf.\r\n";
    WriteBytes(Path("letter.cbf"), letter);
    ASSERT_EQ(::mkdir(Path("folder.cbf").c_str(), 0755), 0);
    for (const std::string name : {"letter.cbf", "folder.cbf"}) {
        test::ErrorRecorder errors;
        {
            TIniFile ini(Path(name));
            ini.WriteString("00001", "Nam", "Solaris");
            EXPECT_FALSE(ini.UpdateFile()) << name;
        } // and not on the way out either
        EXPECT_EQ(errors.messages, std::vector<std::string>(2, "Write error to file " + Path(name))) << name;
    }
    EXPECT_EQ(ReadBytes(Path("letter.cbf")), letter);
    EXPECT_EQ(test::ListFolder(Folder()), (std::vector<std::string>{"folder.cbf", "letter.cbf"}));
}

// A user who may write the folder and the file but not read it.
TEST_F(IniFileLoad, FileWithoutReadPermissionIsNeverWrittenOver) {
    const std::string folder = Path("shared");
    const std::string file = folder + "/c.cbf";
    const std::string content = "[00001]\r\nNam=Solaris\r\n";
    ASSERT_EQ(::chmod(Folder().c_str(), 0755), 0);
    ASSERT_EQ(::mkdir(folder.c_str(), 0777), 0);
    WriteBytes(file, content);
    ASSERT_EQ(::chmod(file.c_str(), 0222), 0);
    const int status = test::InChild([&] {
        if (!test::BecomeNobody()) return 2;
        test::ErrorRecorder errors;
        TIniFile ini(file);
        if (ini.Loaded() != ReadState::Failed) return 3;
        ini.WriteString("00002", "Nam", "Stalker");
        return ini.UpdateFile() ? 4 : 0;
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(ReadBytes(file), content);
    EXPECT_EQ(test::ListFolder(folder), (std::vector<std::string>{"c.cbf"}));
}

TEST_F(IniFileLoad, WriteErrorShowsThePathAsTyped) {
    const std::string folder = Path("Фильмы 日本");
    ASSERT_EQ(::mkdir(folder.c_str(), 0755), 0);
    WriteBytes(folder + "/c.cbf", "[A]\r\nk=v\r\n");
    test::ErrorRecorder errors;
    TIniFile ini(folder + "/c.cbf");
    ASSERT_EQ(::rename(folder.c_str(), Path("moved").c_str()), 0);
    ini.WriteString("A", "k", "w");
    EXPECT_FALSE(ini.UpdateFile());
    EXPECT_EQ(errors.messages, std::vector<std::string>{"Write error to file " + folder + "/c.cbf"});
    ASSERT_EQ(::rename(Path("moved").c_str(), folder.c_str()), 0);
}

} // namespace
} // namespace mcb

// A file changed on disk by someone else since the store read or last wrote it is never written over
// without the handler's word.
#include "IniFileSupport.h"
#include "storage/MyIniFiles.h"

#include <cstdio>
#include <fcntl.h>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <unistd.h>

namespace mcb {
namespace {

using test::ReadBytes;
using test::WriteBytes;

const std::string kOld = "[S]\r\nk=old\r\n\r\n";
const std::string kTheirs = "[S]\r\nk=theirs\r\n\r\n";

class IniFileDiskChange : public test::IniFileTest {
protected:
    // A store over kOld that answers the disk change question with `choice` and counts the questions.
    std::unique_ptr<TIniFile> Open(DiskChangeChoice choice) {
        auto ini = std::make_unique<TIniFile>(file);
        ini->SetDiskChangeHandler([this, choice](const std::string& name) {
            asked.push_back(name);
            return choice;
        });
        return ini;
    }

    std::string file = Path("c.cbf");
    std::vector<std::string> asked;
};

// Ways somebody else changes the file: in place, by putting another file in its place, by deleting it.
TEST_F(IniFileDiskChange, ChangedFileIsWrittenOverOnlyAtTheHandlersWord) {
    struct Change {
        const char* name;
        std::function<void(const std::string& file)> make;
        std::string left; // the file after it
    } changes[] = {
        {"edited in place", [](const std::string& f) { WriteBytes(f, kTheirs); }, kTheirs},
        {"replaced by renaming",
         [](const std::string& f) {
             WriteBytes(f + ".new", kTheirs);
             std::rename((f + ".new").c_str(), f.c_str());
         },
         kTheirs},
        {"in place with the same size and the old time put back",
         [](const std::string& f) {
             struct stat before {};
             ::stat(f.c_str(), &before);
             WriteBytes(f, "[S]\r\nk=fifth\r\n\r\n"); // as long as "first"
             const timespec times[2] = {before.st_atim, before.st_mtim};
             ::utimensat(AT_FDCWD, f.c_str(), times, 0);
         },
         "[S]\r\nk=fifth\r\n\r\n"},
        {"deleted", [](const std::string& f) { std::remove(f.c_str()); }, ""},
    };
    for (const Change& change : changes) {
        for (const DiskChangeChoice choice : {DiskChangeChoice::Overwrite, DiskChangeChoice::Reload}) {
            const bool overwrite = choice == DiskChangeChoice::Overwrite;
            SCOPED_TRACE(std::string(change.name) + (overwrite ? ", overwritten" : ", reloaded"));
            WriteBytes(file, kOld);
            asked.clear();
            auto ini = Open(choice);
            ini->WriteString("S", "k", "first");
            ASSERT_TRUE(ini->UpdateFile()); // its own write is no change by somebody else
            ::usleep(10000);                // a later change time even on coarse clocks
            change.make(file);
            EXPECT_EQ(ini->ChangeAndSave([&] { ini->WriteString("S", "k", "mine"); }), overwrite);
            EXPECT_EQ(asked, std::vector<std::string>{file});
            EXPECT_EQ(ReadBytes(file), overwrite ? "[S]\r\nk=mine\r\n\r\n" : change.left);
            EXPECT_EQ(ini->Reloads(), overwrite ? 0u : 1u);
            const std::string seen =
                change.left.empty() ? "none" : change.left.substr(7, change.left.find('\r', 7) - 7);
            EXPECT_EQ(ini->ReadString("S", "k", "none"), overwrite ? "mine" : seen);
            // What the store holds now is what the file holds: the next change is no conflict.
            ini->WriteString("S", "k", "later");
            EXPECT_TRUE(ini->UpdateFile());
            EXPECT_EQ(asked.size(), 1u);
        }
    }
}

// Looking at the file is not changing it: a new time, new permissions or the same bytes copied back
// ask nothing.
TEST_F(IniFileDiskChange, UnchangedContentIsNoChange) {
    struct Touch {
        const char* name;
        std::function<void(const std::string& file, const std::string& content)> make;
    } touches[] = {
        {"touched", [](const std::string& f, const std::string&) { ::utimes(f.c_str(), nullptr); }},
        {"permissions", [](const std::string& f, const std::string&) { ::chmod(f.c_str(), 0600); }},
        {"copied back",
         [](const std::string& f, const std::string& content) {
             WriteBytes(f + ".copy", content);
             std::rename((f + ".copy").c_str(), f.c_str());
         }},
    };
    for (const bool afterOwnWrite : {false, true}) {
        for (const Touch& touch : touches) {
            SCOPED_TRACE(std::string(touch.name) + (afterOwnWrite ? " after a save" : " after reading"));
            WriteBytes(file, kOld);
            asked.clear();
            auto ini = Open(DiskChangeChoice::Reload);
            if (afterOwnWrite) {
                ini->WriteString("S", "k", "saved");
                ASSERT_TRUE(ini->UpdateFile());
            }
            ::usleep(10000); // a new modification time even on coarse clocks
            touch.make(file, ReadBytes(file));
            ini->WriteString("S", "k", "v");
            EXPECT_TRUE(ini->UpdateFile());
            EXPECT_TRUE(asked.empty());
            EXPECT_EQ(ReadBytes(file), "[S]\r\nk=v\r\n\r\n");
        }
    }
}

// A catalogue that was not there when read and has been made since is somebody else's too.
TEST_F(IniFileDiskChange, FileMadeMeanwhileIsAChange) {
    auto ini = Open(DiskChangeChoice::Reload);
    WriteBytes(file, kTheirs);
    ini->WriteString("S", "k", "mine");
    EXPECT_FALSE(ini->UpdateFile());
    EXPECT_EQ(asked.size(), 1u);
    EXPECT_EQ(ReadBytes(file), kTheirs);
    EXPECT_EQ(ini->ReadString("S", "k", ""), "theirs");
}

} // namespace
} // namespace mcb

#include "catalogue/Session.h"
#include "storage/ErrorReport.h"
#include "storage/IniFileSupport.h"
#include "storage/Literal.h"
#include "support/FakeServices.h"
#include "support/FileSnapshot.h"
#include "support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace mcb {
namespace {

namespace fs = std::filesystem;
using test::TempDir;

const std::string kDisc = "[Common]\r\nLastCDID=00001\r\n\r\n[00001]\r\nNam=Solaris\r\nGin=-1\r\n\r\n";

class SessionTest : public ::testing::Test {
protected:
    void WriteSettings(const std::string& body) { dir.Write("config/mirvane-cdbase/MirvaneCDB.ini", body); }
    std::unique_ptr<Session> StartSession(std::optional<std::string> argument) {
        auto session = std::make_unique<Session>(SessionServices{clock, format, prompts}, dir.Path());
        session->Start(argument);
        return session;
    }
    std::string Settings() const { return TempDir::Read(dir.SettingsFile()); }

    TempDir dir;
    test::FixedClock clock;
    test::FixedDateFormat format;
    test::ScriptedPrompts prompts;
};

TEST_F(SessionTest, CommandLineArgumentWinsOverTheRememberedCatalogue) {
    dir.Write("a.cbf", kDisc);
    WriteSettings("[Base]\r\nBaseName=" + dir.File("other.cbf") + "\r\n");
    auto session = StartSession(dir.File("a.cbf"));
    EXPECT_EQ(session->baseFileName(), dir.File("a.cbf"));
    EXPECT_EQ(session->table().counters.all, 1);
    session->Shutdown();
    EXPECT_NE(Settings().find("BaseName=" + dir.File("a.cbf") + "\r\n"), std::string::npos);
}

// A remembered catalogue that is gone is said first, and not silently replaced by an empty one.
TEST_F(SessionTest, RememberedMissingCatalogueIsReportedFirst) {
    WriteSettings("[Base]\r\nBaseName=" + dir.File("gone.cbf") + "\r\n");
    prompts.Expect(Answer::No);
    prompts.ExpectText(dir.File("new"));
    auto session = StartSession(std::nullopt);
    ASSERT_EQ(prompts.asked.size(), 3u);
    EXPECT_EQ(prompts.asked[0],
              "message: " + W("Файл базы ") + dir.File("gone.cbf") + W(", открытой в прошлый раз, не найден."));
    EXPECT_EQ(prompts.asked[1], "ask: " + W("Открыть существующую базу данных ?"));
    EXPECT_EQ(session->baseFileName(), dir.File("new.cbf"));
    session->Shutdown();
    EXPECT_FALSE(fs::exists(dir.File("gone.cbf")));
    EXPECT_FALSE(fs::exists(dir.File("gone.bak")));
}

// Folders whose names Windows-1251 holds, and ones it cannot.
TEST_F(SessionTest, RememberedCatalogueReopensWhateverItsPath) {
    for (const std::string folder : {"Фильмы", "日本", "Łódź 100%"}) {
        const std::string file = dir.File(folder + "/films.cbf");
        dir.Write(folder + "/films.cbf", kDisc);
        StartSession(file)->Shutdown();
        prompts = test::ScriptedPrompts();
        auto again = StartSession(std::nullopt);
        EXPECT_TRUE(prompts.asked.empty()) << folder;
        EXPECT_EQ(again->baseFileName(), file) << folder;
        EXPECT_EQ(again->table().counters.all, 1) << folder;
        again->Shutdown();
        // Older versions read "BaseName", which keeps its form whenever it can hold the path.
        const bool storable = folder == "Фильмы";
        EXPECT_NE(Settings().find("BaseName=" + W(dir.File(folder + "/films.cbf")) + "\r\n"), std::string::npos)
            << folder;
        EXPECT_EQ(Settings().find("BaseNameUtf8=") == std::string::npos, storable) << folder;
    }
    // A "BaseName" changed since by a version that does not know the second form wins.
    dir.Write("a.cbf", kDisc);
    std::string settings = Settings();
    settings.replace(settings.find("BaseName="),
                     settings.find("\r\n", settings.find("BaseName=")) - settings.find("BaseName="),
                     "BaseName=" + dir.File("a.cbf"));
    WriteSettings(settings);
    EXPECT_EQ(StartSession(std::nullopt)->baseFileName(), dir.File("a.cbf"));
}

// A file that cannot be read, or is no catalogue, is refused naming it, and never written over.
TEST_F(SessionTest, UnreadableOrForeignFileIsRefused) {
    const std::string letter = "Dear friend,\r\nthe films are on the shelf.\r\n";
    dir.Write("letter.cbf", letter);
    fs::create_directory(dir.File("folder.cbf"));
    dir.Write("a.cbf", kDisc);
    for (const std::string name : {"letter.cbf", "folder.cbf"}) {
        SCOPED_TRACE(name);
        // Given at start-up: said, then the question loop.
        prompts = test::ScriptedPrompts();
        prompts.Expect(Answer::Yes);
        prompts.ExpectText(dir.File("a.cbf"));
        auto session = StartSession(dir.File(name));
        ASSERT_EQ(prompts.texts.size(), 1u);
        EXPECT_NE(prompts.texts[0].Utf8().find(dir.File(name)), std::string::npos);
        EXPECT_EQ(session->baseFileName(), dir.File("a.cbf"));
        // Chosen to open: said, and the open catalogue stays.
        prompts = test::ScriptedPrompts();
        prompts.ExpectText(dir.File(name));
        EXPECT_FALSE(session->ChooseAndSwitch(SwitchMode::Open));
        EXPECT_EQ(prompts.texts.size(), 1u);
        EXPECT_EQ(session->baseFileName(), dir.File("a.cbf"));
        session->RebuildTable();
        EXPECT_EQ(session->table().counters.all, 1);
        session->Shutdown();
    }
    EXPECT_EQ(TempDir::Read(dir.File("letter.cbf")), letter);
    EXPECT_TRUE(fs::is_directory(dir.File("folder.cbf")));
}

// A settings file that cannot be used is said once at start-up, naming it, and is neither written
// over nor reported again at close.
TEST_F(SessionTest, UnusableSettingsFileIsSaidAtStartUpAndLeftAlone) {
    dir.Write("a.cbf", kDisc);
    const std::string letter = "Dear friend,\r\nthe settings are on the shelf.\r\n";
    std::vector<std::string> errors;
    const ErrorReporter previous = SetErrorReporter([&](const UserText& m) { errors.push_back(m.Utf8()); });
    for (const bool folder : {true, false}) {
        SCOPED_TRACE(folder ? "a folder" : "no section");
        fs::remove_all(dir.SettingsFile());
        if (folder)
            fs::create_directories(dir.SettingsFile());
        else
            WriteSettings(letter);
        prompts = test::ScriptedPrompts();
        auto session = StartSession(dir.File("a.cbf"));
        ASSERT_EQ(prompts.texts.size(), 1u);
        EXPECT_NE(prompts.texts[0].Utf8().find(dir.SettingsFile()), std::string::npos);
        EXPECT_NE(prompts.texts[0].Utf8().find("не будут сохранены"), std::string::npos);
        session->settings().window.SplitterPos = 250;
        session->Shutdown();
        EXPECT_EQ(prompts.texts.size(), 1u);
        EXPECT_EQ(fs::is_directory(dir.SettingsFile()) ? "" : Settings(), folder ? "" : letter);
    }
    SetErrorReporter(previous);
    EXPECT_EQ(errors, std::vector<std::string>());
}

TEST_F(SessionTest, QuestionLoopRepeatsUntilAFileIsChosen) {
    prompts.Expect(Answer::Yes);         // open an existing one ...
    prompts.ExpectText(std::nullopt);    // ... but cancel the dialog
    prompts.Expect(Answer::No);          // then a new one
    prompts.ExpectText(dir.File("new")); // named without extension
    auto session = StartSession(std::nullopt);
    ASSERT_EQ(prompts.asked.size(), 5u);
    EXPECT_EQ(prompts.asked[2].rfind("message: ", 0), 0u);
    EXPECT_EQ(session->baseFileName(), dir.File("new.cbf"));
    EXPECT_EQ(session->journalFileName(), dir.File("new.log"));
    EXPECT_EQ(session->baseDirectory(), dir.Path() + "/");
    session->Shutdown();
    EXPECT_FALSE(fs::exists(dir.File("new.cbf"))) << "a new catalogue is written by its first change";
    EXPECT_NE(Settings().find("BaseName=" + dir.File("new.cbf")), std::string::npos);
}

TEST_F(SessionTest, SaveAsAddsTheExtensionCopiesAndMayDeleteTheOld) {
    struct Case {
        std::string typed, expected;
        bool deleteOld;
    } cases[] = {{"copy", "copy.cbf", false}, {"dot.", "dot.cbf", true}, {"x.dat", "x.dat", false}};
    for (const auto& c : cases) {
        dir.Write("a.cbf", kDisc);
        auto session = StartSession(dir.File("a.cbf"));
        prompts.ExpectText(dir.File(c.typed));
        prompts.Expect(c.deleteOld ? Answer::Yes : Answer::No);
        EXPECT_TRUE(session->ChooseAndSwitch(SwitchMode::SaveAs)) << c.typed;
        EXPECT_EQ(session->baseFileName(), dir.File(c.expected));
        EXPECT_EQ(TempDir::Read(dir.File(c.expected)), kDisc);
        EXPECT_EQ(fs::exists(dir.File("a.cbf")), !c.deleteOld);
    }
}

TEST_F(SessionTest, SaveAsCopyIsAsPrivateAsTheCatalogue) {
    dir.Write("a.cbf", kDisc);
    ASSERT_EQ(::chmod(dir.File("a.cbf").c_str(), 0600), 0);
    auto session = StartSession(dir.File("a.cbf"));
    prompts.ExpectText(dir.File("copy.cbf"));
    prompts.Expect(Answer::No);
    ASSERT_TRUE(session->ChooseAndSwitch(SwitchMode::SaveAs));
    struct stat info {};
    ASSERT_EQ(::stat(dir.File("copy.cbf").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
}

TEST_F(SessionTest, SaveAsOntoItselfKeepsTheFile) {
    dir.Write("a.cbf", kDisc);
    auto session = StartSession(dir.File("a.cbf"));
    prompts.ExpectText(dir.File("a.cbf"));
    EXPECT_TRUE(session->ChooseAndSwitch(SwitchMode::SaveAs));
    EXPECT_TRUE(prompts.Exhausted()) << "no deletion question for the only copy";
    EXPECT_EQ(TempDir::Read(dir.File("a.cbf")), kDisc);
}

TEST_F(SessionTest, SaveAsOfANeverWrittenCatalogueContinuesUnderTheNewName) {
    auto session = StartSession(dir.File("fresh.cbf"));
    prompts.ExpectText(dir.File("named"));
    EXPECT_TRUE(session->ChooseAndSwitch(SwitchMode::SaveAs));
    EXPECT_EQ(session->baseFileName(), dir.File("named.cbf"));
    EXPECT_EQ(prompts.asked.size(), 1u);
}

// The save dialog asked about the name as typed; the name with ".cbf" added is asked about here.
TEST_F(SessionTest, NewCatalogueNamedWithoutExtensionAsksBeforeTakingAnExistingFile) {
    dir.Write("a.cbf", kDisc);
    dir.Write("old.cbf", "[Common]\r\nLastCDID=00002\r\n\r\n[00001]\r\nNam=A\r\n\r\n[00002]\r\nNam=B\r\n\r\n");
    auto session = StartSession(dir.File("a.cbf"));
    const std::string question = "confirm: " + W("Файл ") + dir.File("old.cbf") + W(" уже существует. Заменить ?");
    prompts.ExpectText(dir.File("old"));
    prompts.Expect(Answer::No);
    EXPECT_FALSE(session->ChooseAndSwitch(SwitchMode::New));
    EXPECT_EQ(prompts.asked.back(), question);
    EXPECT_EQ(session->baseFileName(), dir.File("a.cbf"));

    prompts.ExpectText(dir.File("old"));
    prompts.Expect(Answer::Yes);
    EXPECT_TRUE(session->ChooseAndSwitch(SwitchMode::New));
    EXPECT_EQ(session->baseFileName(), dir.File("old.cbf"));
    session->RebuildTable();
    EXPECT_EQ(session->table().counters.all, 2);
    EXPECT_TRUE(prompts.Exhausted());
}

TEST_F(SessionTest, CancelledDialogChangesNothing) {
    dir.Write("a.cbf", kDisc);
    auto session = StartSession(dir.File("a.cbf"));
    for (SwitchMode mode : {SwitchMode::Open, SwitchMode::New, SwitchMode::SaveAs}) {
        prompts.ExpectText(std::nullopt);
        EXPECT_FALSE(session->ChooseAndSwitch(mode));
        EXPECT_EQ(session->baseFileName(), dir.File("a.cbf"));
    }
}

TEST_F(SessionTest, BackupNeverReplacesAGoodCopyWithAnEmptyCatalogue) {
    struct Case {
        std::string catalogue, oldBackup, expectedBackup;
    } cases[] = {{kDisc, "old", kDisc},
                 {"", "[Common]\r\nLastCDID=00009\r\n", "[Common]\r\nLastCDID=00009\r\n"},
                 {"garbage without sections", "[Common]\r\nx=1\r\n", "[Common]\r\nx=1\r\n"},
                 {"", "", ""}};
    for (const auto& c : cases) {
        dir.Write("b.cbf", c.catalogue);
        dir.Write("b.bak", c.oldBackup);
        if (c.catalogue.starts_with("garbage")) { // refused: a new catalogue is chosen instead
            prompts.Expect(Answer::No);
            prompts.ExpectText(dir.File("other"));
        }
        StartSession(dir.File("b.cbf"));
        EXPECT_EQ(TempDir::Read(dir.File("b.bak")), c.expectedBackup) << c.catalogue;
    }
}

TEST_F(SessionTest, DeferredTasksFollowTheUpdateDateAndTheDebts) {
    const int today = clock.Today();
    dir.Write("d.cbf",
              "[Common]\r\nLastCDID=00001\r\nContacts=0\r\n\r\n[Contacts]\r\n0=Ivan\r\n\r\n[00001]\r\nNam=X\r\n"
              "Gin=0\r\nGiv=" +
                  std::to_string(today - 30) + "\r\n\r\n");
    struct Case {
        std::string setup;
        int tasks;
    } cases[] = {{"UpdateDate=" + std::to_string(today - 21), kTaskUpdateCheck},
                 {"UpdateDate=" + std::to_string(today - 20), 0},
                 {"NoUpdating=1\r\nUpdateDate=0", 0},
                 {"DolgReminder=1\r\nUpdateDate=" + std::to_string(today), kTaskDebtReminder},
                 {"DolgReminder=1\r\nUpdateDate=0", kTaskDebtReminder | kTaskUpdateCheck},
                 {"UpdateDate=-2147483648", kTaskUpdateCheck}, // long ago, however far
                 {"UpdateDate=2147483647", 0}};
    for (const auto& c : cases) {
        WriteSettings("[Setup]\r\n" + c.setup + "\r\n");
        auto session = StartSession(dir.File("d.cbf"));
        EXPECT_EQ(session->pendingStartupTasks(), c.tasks) << c.setup;
    }
}

// A backup shipped as a link (cat.bak -> ~/.bashrc) is replaced by the copy; what it led to stays as
// it was. The copy is as private as the catalogue.
TEST_F(SessionTest, BackupReplacesALinkInItsPlaceAndIsAsPrivateAsTheCatalogue) {
    dir.Write("b.cbf", kDisc);
    ASSERT_EQ(::chmod(dir.File("b.cbf").c_str(), 0600), 0);
    dir.Write("home/.bashrc", "export PATH\n");
    ASSERT_EQ(::symlink(dir.File("home/.bashrc").c_str(), dir.File("b.bak").c_str()), 0);
    StartSession(dir.File("b.cbf"))->Shutdown();
    EXPECT_EQ(TempDir::Read(dir.File("home/.bashrc")), "export PATH\n");
    struct stat info {};
    ASSERT_EQ(::lstat(dir.File("b.bak").c_str(), &info), 0);
    EXPECT_TRUE(S_ISREG(info.st_mode));
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    EXPECT_EQ(TempDir::Read(dir.File("b.bak")), kDisc);
}

// A catalogue changed on disk since it was read (a restored backup, a sync tool, a hand edit) is
// written over only when the user says so; otherwise it is read again and the change is lost, as
// the question says.
TEST_F(SessionTest, CatalogueChangedOnDiskIsAskedAbout) {
    const std::string theirs = "[Common]\r\nLastCDID=00001\r\n\r\n[00001]\r\nNam=Stalker\r\nGin=-1\r\n\r\n";
    for (const bool overwrite : {true, false}) {
        SCOPED_TRACE(overwrite ? "overwritten" : "read again");
        dir.Write("a.cbf", kDisc);
        prompts = test::ScriptedPrompts();
        auto session = StartSession(dir.File("a.cbf"));
        int reloads = 0;
        session->SetReloadListener([&] { ++reloads; });
        dir.Write("a.cbf", theirs);
        prompts.Expect(overwrite ? Answer::Yes : Answer::No);
        TIniFile& catalogue = session->catalogue();
        EXPECT_EQ(catalogue.ChangeAndSave([&] { catalogue.WriteString("00001", "Gin", "0"); }), overwrite);
        ASSERT_EQ(prompts.texts.size(), 1u);
        EXPECT_NE(prompts.texts[0].Utf8().find(dir.File("a.cbf")), std::string::npos);
        EXPECT_NE(prompts.texts[0].Utf8().find("изменен вне программы"), std::string::npos);
        EXPECT_EQ(reloads, overwrite ? 0 : 1);
        const TIniFile onDisk(dir.File("a.cbf"));
        EXPECT_EQ(onDisk.ReadString("00001", "Nam", ""), overwrite ? "Solaris" : "Stalker");
        EXPECT_EQ(onDisk.ReadString("00001", "Gin", ""), overwrite ? "0" : "-1");
        EXPECT_EQ(session->catalogue().ReadString("00001", "Nam", ""), overwrite ? "Solaris" : "Stalker");
        session->Shutdown();
        EXPECT_TRUE(prompts.Exhausted());
    }
}

// Settings that another program's close changed meanwhile stay; what this run changed is written.
TEST_F(SessionTest, ShutdownKeepsSettingsChangedMeanwhile) {
    dir.Write("a.cbf", kDisc);
    WriteSettings("[Setup]\r\nSortOrder=1\r\nDolgDays=15\r\n");
    auto session = StartSession(dir.File("a.cbf"));
    session->settings().setup.DolgDays = 30;
    WriteSettings("[Setup]\r\nSortOrder=4\r\nDolgDays=15\r\n");
    session->Shutdown();
    const TIniFile ini(dir.SettingsFile());
    EXPECT_EQ(ini.ReadInteger("Setup", "SortOrder", 0), 4);
    EXPECT_EQ(ini.ReadInteger("Setup", "DolgDays", 0), 30);
    EXPECT_TRUE(prompts.asked.empty());
}

// One program per catalogue: claims as a running program would hold them.
class ClaimsHeldElsewhere : public CatalogueClaims {
public:
    class Held : public CatalogueClaim {};
    std::unique_ptr<CatalogueClaim> Claim(const std::string& catalogue) override {
        claimed.push_back(catalogue);
        return elsewhere.contains(catalogue) ? nullptr : std::make_unique<Held>();
    }
    bool RaiseHolder(const std::string& catalogue) override {
        raised.push_back(catalogue);
        return answers;
    }
    std::set<std::string> elsewhere;
    std::vector<std::string> claimed, raised;
    bool answers = true;
};

TEST_F(SessionTest, CatalogueOpenInAnotherProgramIsNotOpenedAgain) {
    dir.Write("a.cbf", kDisc);
    dir.Write("b.cbf", kDisc);
    WriteSettings("[Setup]\r\nBackUpBase=1\r\n");
    ClaimsHeldElsewhere claims;
    claims.elsewhere = {dir.File("b.cbf")};
    const auto start = [&](const std::string& catalogue) {
        auto session = std::make_unique<Session>(SessionServices{clock, format, prompts, &claims}, dir.Path());
        return std::make_pair(session->Start(catalogue), std::move(session));
    };
    // A second start on it: the other program comes to the front, nothing is written here.
    for (const bool answers : {true, false}) {
        claims.answers = answers;
        prompts = test::ScriptedPrompts();
        const auto before = test::Snapshot(dir.Path());
        EXPECT_EQ(start(dir.File("b.cbf")).first, answers ? StartOutcome::ShownElsewhere : StartOutcome::HeldElsewhere);
        EXPECT_EQ(test::Snapshot(dir.Path()), before);
        EXPECT_EQ(prompts.texts.size(), answers ? 0u : 1u);
    }
    EXPECT_EQ(claims.raised, (std::vector<std::string>{dir.File("b.cbf"), dir.File("b.cbf")}));
    // Opening, creating or saving onto it from a program on another catalogue: refused, naming it.
    auto [started, session] = start(dir.File("a.cbf"));
    ASSERT_EQ(started, StartOutcome::Started);
    for (const SwitchMode mode : {SwitchMode::Open, SwitchMode::New, SwitchMode::SaveAs}) {
        prompts = test::ScriptedPrompts();
        prompts.ExpectText(dir.File("b.cbf"));
        EXPECT_FALSE(session->ChooseAndSwitch(mode));
        ASSERT_EQ(prompts.texts.size(), 1u);
        EXPECT_NE(prompts.texts[0].Utf8().find(dir.File("b.cbf")), std::string::npos);
        EXPECT_EQ(session->baseFileName(), dir.File("a.cbf"));
    }
    EXPECT_EQ(TempDir::Read(dir.File("b.cbf")), kDisc);
}

// A catalogue the user may not write (the file, or its folder) is opened with one message saying
// so, and nothing of it is written at close, although the rename through a writable folder would
// replace it.
TEST_F(SessionTest, ReadOnlyCatalogueIsSaidOnceAndNeverWritten) {
    const struct {
        mode_t file, folder;
        const char* said;
    } cases[] = {{0444, 0777, "только для чтения"}, {0666, 0555, "нет права записи в папку"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.said);
        ::chmod(dir.Path().c_str(), 0700);
        dir.Write("a.cbf", kDisc);
        WriteSettings("[Setup]\r\nBackUpBase=1\r\n");
        ASSERT_EQ(::chmod(dir.File("a.cbf").c_str(), c.file), 0);
        ASSERT_EQ(::chmod(dir.Path().c_str(), c.folder), 0);
        const int status = test::InChild([&] {
            if (!test::BecomeNobody()) return 10;
            prompts = test::ScriptedPrompts();
            auto session = StartSession(dir.File("a.cbf"));
            if (prompts.texts.size() != 1) return 11;
            const std::string said = prompts.texts[0].Utf8();
            if (said.find(dir.File("a.cbf")) == std::string::npos || said.find(c.said) == std::string::npos) return 12;
            session->catalogue().WriteString("00001", "Gin", "0"); // as no command would
            session->Shutdown();
            return prompts.texts.size() == 1 ? 0 : 13;
        });
        ::chmod(dir.Path().c_str(), 0700);
        EXPECT_EQ(status, 0);
        EXPECT_EQ(TempDir::Read(dir.File("a.cbf")), kDisc);
    }
}

} // namespace
} // namespace mcb

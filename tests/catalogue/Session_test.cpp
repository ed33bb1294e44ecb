#include "catalogue/Session.h"
#include "storage/ErrorReport.h"
#include "storage/Literal.h"
#include "support/FakeServices.h"
#include "support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>

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

} // namespace
} // namespace mcb

#include "discs/DiscEditor.h"
#include "discs/DiscsFixture.h"
#include "discs/PictureCopy.h"
#include "storage/CatalogueFormat.h"
#include "storage/ErrorReport.h"
#include "storage/IniFileSupport.h"
#include "storage/Literal.h"
#include "support/FullDisk.h"

#include <filesystem>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace mcb::test {
namespace {

const std::string kSimilarQuestion = "warn: " + W("Диск с похожим названием в базе уже существует. Продолжить ?");

class DiscEditorTest : public DiscsTest {
protected:
    DiscEditor Editor() { return DiscEditor({*catalogue, BaseDir(), prompts, Journal()}); }

    // Saves a new disc with the given names, answering Yes to every similar-name question.
    std::string AddDisc(const std::string& nam, const std::string& nam2 = "") {
        DiscEditor editor = Editor();
        DiscRecord record = editor.OpenNew().value();
        record.nam = W(nam);
        record.nam2 = W(nam2);
        for (int i = 0; i < 10; ++i) prompts.Expect(Answer::Yes);
        EXPECT_EQ(editor.Save(record), SaveResult::Saved);
        prompts = ScriptedPrompts();
        return editor.CurrentDiscId();
    }
};

TEST_F(DiscEditorTest, NewIdentifierIsClaimedOnlyBySaving) {
    OpenCatalogue("");
    DiscEditor cancelled = Editor();
    cancelled.OpenNew();
    EXPECT_EQ(cancelled.CurrentDiscId(), "00001");

    EXPECT_EQ(AddDisc("Один"), "00001");
    EXPECT_EQ(OnDisk("Common", "LastCDID"), "00001");
    AddDisc("Два");
    AddDisc("Три");
    catalogue->EraseSection("00003");
    EXPECT_EQ(AddDisc("Четыре"), "00004");
}

// A new disc never gets an identifier that does not read back or that a disc already has.
TEST_F(DiscEditorTest, NewIdentifierIsFreeAndReadsBack) {
    struct Case {
        const char* catalogue;
        const char* id; // empty: refused
    } cases[] = {
        {"[Common]\nLastCDID=2147483646\n[00001]\nNam=A", "2147483647"},
        {"[Common]\nLastCDID=2147483647\n[00001]\nNam=A", ""},
        {"[Common]\nLastCDID=99999999999\n[00001]\nNam=A\n[00002]\nNam=B", "00003"},
        {"[Common]\nLastCDID=00001\n[00001]\nNam=A\n[00002]\nLin=0", "00003"},
        {"[00001]\nNam=A", "00002"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.catalogue);
        OpenCatalogue(c.catalogue);
        const std::string before = TempDir::Read(CataloguePath());
        prompts = ScriptedPrompts();
        DiscEditor editor = Editor();
        std::optional<DiscRecord> record = editor.OpenNew();
        if (!*c.id) {
            EXPECT_FALSE(record);
            EXPECT_EQ(prompts.asked, std::vector<std::string>{
                                         "message: " + W("Невозможно добавить диск: номера дисков в базе исчерпаны.")});
            EXPECT_EQ(TempDir::Read(CataloguePath()), before);
            continue;
        }
        ASSERT_TRUE(record);
        EXPECT_EQ(editor.CurrentDiscId(), c.id);
        record->nam = "New";
        ASSERT_EQ(editor.Save(*record), SaveResult::Saved);
        EXPECT_EQ(ParseDiscId(OnDisk("Common", "LastCDID")), ParseDiscId(c.id));
        EXPECT_EQ(OnDisk(c.id, "Nam"), "New");
        EXPECT_EQ(OnDisk("00001", "Nam"), "A");
    }
}

// Отмена after a save that failed: the catalogue is as it was before the editor opened.
TEST_F(DiscEditorTest, FailedSaveLeavesNothingBehind) {
    OpenCatalogue("[Common]\nLastCDID=00001\n[00001]\nNam=Solaris\nLin=1\nLi1=old");
    const std::string before = TempDir::Read(CataloguePath());
    ErrorReporter previous = SetErrorReporter([](const UserText&) {});
    for (const bool isNew : {false, true}) {
        DiscEditor editor = Editor();
        DiscRecord record = isNew ? editor.OpenNew().value() : editor.OpenExisting("00001");
        record.nam = "Changed";
        record.description = "one\r\ntwo";
        {
            FullDisk full;
            EXPECT_EQ(editor.Save(record), SaveResult::WriteFailed) << isNew;
        }
        EXPECT_EQ(catalogue->ReadString("Common", "LastCDID", ""), "00001") << isNew;
        EXPECT_EQ(catalogue->ReadString("00002", "Nam", "<none>"), "<none>") << isNew;
        EXPECT_EQ(Editor().OpenExisting("00001").description, "old") << isNew;
        EXPECT_EQ(catalogue->ReadString("00001", "Nam", ""), "Solaris") << isNew;
    }
    EXPECT_EQ(TempDir::Read(CataloguePath()), before);
    // The next save that succeeds writes nothing of the abandoned changes.
    AddDisc("Stalker");
    EXPECT_EQ(OnDisk("00001", "Nam"), "Solaris");
    EXPECT_EQ(OnDisk("00002", "Nam"), "Stalker");
    SetErrorReporter(previous);
}

TEST_F(DiscEditorTest, NewDiscWritesEveryKeyInOrderAndEditKeepsLendingState) {
    OpenCatalogue("");
    DiscEditor editor = Editor();
    DiscRecord record = editor.OpenNew().value();
    record.nam = W("  матрица ");
    record.nam2 = W("ёлка");
    record.medium = 3;
    record.count = 2;
    record.description = "a\r\n\r\nc\r\n\r\n";
    record.year = "1999";
    ASSERT_EQ(editor.Save(record), SaveResult::Saved);
    EXPECT_EQ(record.nam, W("Матрица"));

    const std::string file = TempDir::Read(CataloguePath());
    const std::string section = file.substr(file.find("[00001]"));
    EXPECT_EQ(section, W("[00001]\r\nNam=Матрица\r\nNam2=Ёлка\r\nGen=-1\r\nAud=-1\r\nRol=\r\nCou=-1\r\nLon=0\r\n"
                         "Car=3074\r\nEnt=46364\r\nGiv=0\r\nGin=-1\r\nLin=3\r\nLi1=a\r\nLi2=\r\nLi3=c\r\n"
                         "Img1=\"\"\r\nImg2=\"\"\r\nOth=-1\r\nComp=-1\r\nDir=\r\nYear=1999\r\n\r\n"));

    catalogue->WriteString("00001", "Gin", "4");
    catalogue->WriteString("00001", "Giv", "46000");
    clock.Set(47000);
    DiscEditor edit = Editor();
    DiscRecord loaded = edit.OpenExisting("00001");
    EXPECT_EQ(loaded.medium, 3);
    EXPECT_EQ(loaded.count, 2);
    EXPECT_EQ(loaded.description, "a\r\n\r\nc");
    loaded.medium = -1;
    loaded.description = "x";
    ASSERT_EQ(edit.Save(loaded), SaveResult::Saved);
    EXPECT_EQ(OnDisk("00001", "Car"), "-1024");
    EXPECT_EQ(OnDisk("00001", "Ent"), "46364");
    EXPECT_EQ(OnDisk("00001", "Gin"), "4");
    EXPECT_EQ(OnDisk("00001", "Giv"), "46000");
    EXPECT_EQ(OnDisk("00001", "Lin"), "1");
    EXPECT_EQ(Editor().OpenExisting("00001").description, "x");
}

TEST_F(DiscEditorTest, CarrierReadBack) {
    struct Case {
        const char* stored;
        int medium, count;
    } cases[] = {{"Car=3074", 3, 2}, {"Car=-1024", -1, 1}, {"", -1, 1}, {"Car=0", 0, 1}, {"Car=5130", 5, 9}};
    for (const auto& c : cases) {
        OpenCatalogue(std::string("[00001]\nNam=A\n") + c.stored);
        const DiscRecord r = Editor().OpenExisting("00001");
        EXPECT_EQ(r.medium, c.medium) << c.stored;
        EXPECT_EQ(r.count, c.count) << c.stored;
    }
}

TEST_F(DiscEditorTest, SimilarNameQuestions) {
    const std::string others = "[Common]\nLastCDID=00005\n"
                               "[00001]\nNam=Война и мир\nNam2=War and Peace\n"
                               "[00002]\nNam=Другое\nNam2=ВОЙНАИМИР\n"
                               "[00003]\nNam=Война\tи мир\n"
                               "[00004]\nNam2=Только второе\n"
                               "[00009]\nNam=Девятый\n";
    struct Case {
        const char* what;
        const char* editId; // empty = add
        const char* nam;
        const char* nam2;
        std::vector<Answer> answers;
        SaveResult result;
    } cases[] = {
        {"two similar discs, two questions", "", "война и мир", "", {Answer::Yes, Answer::Yes}, SaveResult::Saved},
        {"No at the first stops", "", "ВОЙНА И МИР", "", {Answer::No}, SaveResult::Declined},
        {"own disc is never similar", "00001", "Война и мир", "War and Peace", {Answer::Yes}, SaveResult::Saved},
        {"name 2 compared with both names", "", "Х", "warandpeace", {Answer::Yes}, SaveResult::Saved},
        {"a disc alike in both names asks once",
         "",
         "Другое",
         "Война и мир",
         {Answer::Yes, Answer::Yes},
         SaveResult::Saved},
        {"tabs are not blanks", "00003", "Война\tи мир", "", {}, SaveResult::Saved},
        {"empty names never match", "", "", "Только  второе ", {Answer::Yes}, SaveResult::Saved},
        {"discs above LastCDID are not checked", "", "девятый", "", {}, SaveResult::Saved},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        OpenCatalogue(others);
        prompts = ScriptedPrompts();
        for (Answer a : c.answers) prompts.Expect(a);
        DiscEditor editor = Editor();
        DiscRecord record = *c.editId ? editor.OpenExisting(c.editId) : editor.OpenNew().value();
        record.nam = W(c.nam);
        record.nam2 = W(c.nam2);
        EXPECT_EQ(editor.Save(record), c.result);
        EXPECT_TRUE(prompts.Exhausted());
        EXPECT_EQ(prompts.asked, std::vector<std::string>(c.answers.size(), kSimilarQuestion));
        if (c.result == SaveResult::Declined) {
            EXPECT_EQ(OnDisk("Common", "LastCDID"), "00005");
        }
    }
}

TEST_F(DiscEditorTest, DiscWithoutNameIsRefusedAndNothingWritten) {
    OpenCatalogue("");
    DiscEditor editor = Editor();
    DiscRecord record = editor.OpenNew().value();
    record.nam = " \t ";
    record.nam2 = "\r\n";
    EXPECT_EQ(editor.Save(record), SaveResult::NoTitle);
    EXPECT_EQ(prompts.asked, std::vector<std::string>{"message: " + W("Не задано название диска!")});
    EXPECT_EQ(record.nam, "");
    EXPECT_EQ(OnDisk("Common", "LastCDID"), "<none>");
}

TEST_F(DiscEditorTest, JournalLines) {
    OpenCatalogue("");
    AddDisc("матрица");
    AddDisc("", "Только второе");
    DiscEditor edit = Editor();
    DiscRecord record = edit.OpenExisting("00001");
    ASSERT_EQ(edit.Save(record), SaveResult::Saved);
    setup.MagazEvents = kEventDelete | kEventLend;
    AddDisc("Не записан");

    const std::string journal = JournalText();
    EXPECT_NE(journal.find(W(": Новый диск \"Матрица\" (ID=00001) успешно добавлен в базу.\r\n")), std::string::npos);
    EXPECT_NE(journal.find(W(": Новый диск \"\" (ID=00002) успешно добавлен в базу.\r\n")), std::string::npos);
    EXPECT_NE(journal.find(W(": Данные о диске \"Матрица\" (ID=00001) успешно изменены.\r\n")), std::string::npos);
    EXPECT_EQ(journal.find(W("Не записан")), std::string::npos);
}

TEST_F(DiscEditorTest, UnwritableCatalogueIsNotReportedAsSaved) {
    ErrorReporter previous = SetErrorReporter([](const UserText&) {});
    dir.Write("folder", "a file where a folder should be");
    catalogue = std::make_unique<TIniFile>(dir.File("folder/base.cbf"));
    DiscEditor editor({*catalogue, dir.File("folder/"), prompts, Journal()});
    DiscRecord record = editor.OpenNew().value();
    record.nam = "A";
    EXPECT_EQ(editor.Save(record), SaveResult::WriteFailed);
    EXPECT_EQ(JournalText(), "");
    SetErrorReporter(previous);
}

TEST_F(DiscEditorTest, PicturePathsBesideTheCatalogueMoveWithIt) {
    OpenCatalogue("");
    DiscEditor editor = Editor();
    DiscRecord record = editor.OpenNew().value();
    record.nam = "A";
    record.pictures = {BaseDir() + "covers/film.jpg", ""};
    ASSERT_EQ(editor.Save(record), SaveResult::Saved);
    EXPECT_EQ(OnDisk("00001", "Img1"), "\"?covers/film.jpg\"");
    EXPECT_EQ(OnDisk("00001", "Img2"), "\"\"");

    const DiscRecord moved = ReadDiscRecord(*Reread(), "00001", "/elsewhere/");
    EXPECT_EQ(moved.pictures[0], "/elsewhere/covers/film.jpg");
    EXPECT_EQ(moved.pictures[1], "");
}

// Copies are made by saving, under a free name: a file already there, whoever refers to it, and
// whatever a link there leads to, stay byte for byte as they were.
TEST_F(DiscEditorTest, PictureCopiesAreMadeBySavingUnderAFreeName) {
    const std::string cover = std::string("\xFF\xD8 picture\0bytes", 16);
    dir.Write("pictures/cover.jpg", cover);
    dir.Write("pictures/noext", "data");
    dir.Write("elsewhere/bashrc", "export PATH");
    struct Case {
        const char* name;
        std::function<void()> prepare;
        std::string source;
        std::string stored; // Img1 as saved
    } cases[] = {
        {"free name", [] {}, dir.File("pictures/cover.jpg"), "\"?00012_1.jpg\""},
        {"no extension", [] {}, dir.File("pictures/noext"), "\"?00012_1\""},
        {"name of another disc's copy", [&] { dir.Write("00012_1.jpg", "other disc"); }, dir.File("pictures/cover.jpg"),
         "\"?00012_1_2.jpg\""},
        {"a link in the copy's place",
         [&] { ASSERT_EQ(::symlink(dir.File("elsewhere/bashrc").c_str(), dir.File("00012_1.jpg").c_str()), 0); },
         dir.File("pictures/cover.jpg"), "\"?00012_1_2.jpg\""},
        {"already in the catalogue folder", [&] { dir.Write("shelf.jpg", "kept"); }, dir.File("shelf.jpg"),
         "\"?shelf.jpg\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(dir.File("00012_1.jpg"));
        std::filesystem::remove(dir.File("00012_1_2.jpg"));
        c.prepare();
        const std::string linked = TempDir::Read(dir.File("00012_1.jpg"));
        OpenCatalogue("[Common]\nLastCDID=00011");
        DiscEditor editor = Editor();
        DiscRecord record = editor.OpenNew().value();
        record.nam = "A";
        record.pictures = {c.source, ""};
        ASSERT_EQ(editor.Save(record, {true, false}), SaveResult::Saved);
        EXPECT_EQ(OnDisk("00012", "Img1"), c.stored);
        const std::string copy = DecodePicturePath(c.stored, BaseDir());
        EXPECT_EQ(TempDir::Read(copy), TempDir::Read(c.source));
        EXPECT_EQ(TempDir::Read(dir.File("00012_1.jpg")),
                  copy == dir.File("00012_1.jpg") ? TempDir::Read(c.source) : linked);
        EXPECT_EQ(TempDir::Read(dir.File("elsewhere/bashrc")), "export PATH");
        EXPECT_TRUE(prompts.asked.empty());
    }
}

// Whenever the copy does not come about, the disc keeps the source's own path; a disc that is not
// saved leaves no copy behind.
TEST_F(DiscEditorTest, PictureCopyFallsBackToTheSource) {
    dir.Write("pictures/cover.jpg", "cover");
    dir.Write("pictures/huge.jpg", "");
    std::filesystem::resize_file(dir.File("pictures/huge.jpg"), kPictureCopyLimit + 1);
    ASSERT_EQ(::mkfifo(dir.File("pictures/pipe.jpg").c_str(), 0644), 0);
    std::filesystem::create_directories(dir.File("pictures/folder.jpg"));
    struct Case {
        const char* name;
        std::string source;
        std::size_t errors;   // reported through the error reporting
        std::size_t messages; // said through the prompts
    } cases[] = {
        {"above the size limit", dir.File("pictures/huge.jpg"), 0, 1},
        {"a short read", "/proc/self/status", 0, 0},
        {"a source that cannot be opened", dir.File("pictures/gone.jpg"), 1, 0},
        // No picture at all: nothing waits on it, nothing is said.
        {"a pipe", dir.File("pictures/pipe.jpg"), 0, 0},
        {"a folder", dir.File("pictures/folder.jpg"), 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        prompts = ScriptedPrompts();
        ErrorRecorder errors;
        OpenCatalogue("[Common]\nLastCDID=00011");
        DiscEditor editor = Editor();
        DiscRecord record = editor.OpenNew().value();
        record.nam = "A";
        record.pictures = {c.source, c.source};
        ASSERT_EQ(editor.Save(record, {true, true}), SaveResult::Saved);
        EXPECT_EQ(OnDisk("00012", "Img1"), EncodePicturePath(c.source, BaseDir()));
        EXPECT_EQ(OnDisk("00012", "Img2"), EncodePicturePath(c.source, BaseDir()));
        EXPECT_EQ(errors.messages.size(), 2 * c.errors);
        EXPECT_EQ(prompts.texts.size(), 2 * c.messages);
        EXPECT_FALSE(std::filesystem::exists(dir.File("00012_1.jpg")));
    }
    // A catalogue that cannot be saved takes its copies back.
    ErrorRecorder errors;
    dir.Write("base.cbf", "not a catalogue");
    catalogue = std::make_unique<TIniFile>(CataloguePath());
    DiscEditor editor = Editor();
    DiscRecord record = editor.OpenNew().value();
    record.nam = "A";
    record.pictures = {dir.File("pictures/cover.jpg"), ""};
    EXPECT_EQ(editor.Save(record, {true, false}), SaveResult::WriteFailed);
    EXPECT_FALSE(std::filesystem::exists(dir.File("00001_1.jpg")));
}

} // namespace
} // namespace mcb::test

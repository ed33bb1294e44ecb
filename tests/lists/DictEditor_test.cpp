#include "ListsFixture.h"
#include "lists/DictEditor.h"
#include "storage/ErrorReport.h"
#include "storage/IniFileSupport.h"
#include "storage/Settings.h"
#include "support/FakeServices.h"
#include "support/FullDisk.h"

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace mcb::test {
namespace {

const char* const kGenres = "[Common]\r\nGenres=2\r\n[Genres]\r\n0=Драма\r\n1=Комедия\r\n2=Боевик\r\n";

class DictEditorTest : public ::testing::Test {
protected:
    explicit DictEditorTest(const std::string& catalogue = kGenres) : base(catalogue) {}

    void Open(DictKind kind, bool editMode, bool multiSelect, const std::string& selection = "") {
        params = DictParams{kind, editMode, multiSelect, selection};
        editor.Open(params);
    }
    void MakeCurrent(int index) {
        for (std::size_t row = 0; row < editor.rows().size(); ++row)
            if (editor.rows()[row].index == index) editor.SetCurrent(int(row));
        ASSERT_EQ(editor.rows()[editor.current()].index, index);
    }
    void Type(const char* utf8) { prompts.ExpectText(W(utf8)); }
    std::vector<std::string> Asked() const {
        std::vector<std::string> asked;
        for (const std::string& q : prompts.asked) asked.push_back(U(q));
        return asked;
    }

    CatalogueFixture base;
    SetupSettings setup;
    ScriptedPrompts prompts;
    DictEditor editor{*base.ini, setup, prompts};
    DictParams params;
};

TEST_F(DictEditorTest, AddTrimsCapitalisesSavesAndMakesTheNewEntryCurrent) {
    Open(DictKind::Genres, true, false);
    Type("  ёлочный мюзикл ");
    editor.Add();
    EXPECT_EQ(Asked(), (std::vector<std::string>{"input: Жанры / Введите новый жанр"}));
    EXPECT_EQ(base.Stored("Genres", "3"), "Ёлочный мюзикл");
    EXPECT_EQ(base.Stored("Common", "Genres"), "3");
    EXPECT_EQ(editor.rows()[editor.current()].index, 3);
}

TEST_F(DictEditorTest, AddRefusesEmptyDuplicateAndCancelled) {
    Open(DictKind::Genres, true, false);
    const struct {
        std::optional<std::string> typed;
        std::vector<std::string> asked;
    } cases[] = {
        {W("   "), {"input: Жанры / Введите новый жанр", "message: Данное поле обязательно для заполнения"}},
        {W(" дРАМА"), {"input: Жанры / Введите новый жанр", "message: Дублирование записи"}},
        {std::nullopt, {"input: Жанры / Введите новый жанр"}},
    };
    for (const auto& c : cases) {
        prompts.asked.clear();
        prompts.ExpectText(c.typed);
        editor.Add();
        EXPECT_EQ(Asked(), c.asked);
        EXPECT_EQ(base.Stored("Common", "Genres"), "2");
        EXPECT_EQ(editor.rows().size(), 3u);
    }
}

TEST_F(DictEditorTest, IndicesAreNeverReused) {
    Open(DictKind::Genres, true, false);
    MakeCurrent(2);
    prompts.Expect(Answer::Yes);
    editor.Delete();
    EXPECT_EQ(base.Stored("Genres", "2"), "<none>");
    Type("Вестерн");
    editor.Add();
    EXPECT_EQ(base.Stored("Genres", "3"), "Вестерн");
    EXPECT_EQ(Indices(editor.rows()), (std::vector<int>{3, 0, 1}));
}

TEST_F(DictEditorTest, ChangeExcludesTheCurrentRowFromTheDuplicateCheck) {
    Open(DictKind::Genres, true, false);
    MakeCurrent(0);
    Type("дРАМА");
    editor.Change();
    EXPECT_EQ(base.Stored("Genres", "0"), "ДРАМА");
    Type("комедия");
    editor.Change();
    EXPECT_EQ(Asked().back(), "message: Дублирование записи");
    EXPECT_EQ(base.Stored("Genres", "0"), "ДРАМА");
    EXPECT_EQ(Names(editor.rows()), (std::vector<std::string>{"Боевик", "ДРАМА", "Комедия"}));
}

TEST_F(DictEditorTest, DeleteAskedNoChangesNothing) {
    Open(DictKind::Genres, true, false);
    MakeCurrent(1);
    prompts.Expect(Answer::No);
    editor.Delete();
    EXPECT_EQ(Asked(), (std::vector<std::string>{"confirm: Удалить жанр \"Комедия\" из списка ?"}));
    EXPECT_EQ(editor.rows().size(), 3u);
}

TEST_F(DictEditorTest, ModesDecideWhatOkAndDoubleClickDo) {
    Open(DictKind::Genres, true, true);
    EXPECT_FALSE(params.multiSelect); // plain editing wins
    EXPECT_EQ(editor.mode(), DictMode::Edit);
    EXPECT_TRUE(editor.Accept());

    Open(DictKind::Genres, false, false, "1");
    EXPECT_EQ(editor.rows()[editor.current()].index, 1);
    Open(DictKind::Genres, false, false, "17"); // no such entry: the current row stays
    EXPECT_EQ(editor.rows()[editor.current()].index, 1);
    MakeCurrent(2);
    EXPECT_TRUE(editor.Activate());
    EXPECT_EQ(params.selection, "2");

    Open(DictKind::Genres, false, true, "2 9 0 ");
    EXPECT_EQ(params.selection, "2 0"); // entries deleted since are dropped
    EXPECT_EQ(U(editor.SelectionText()), "Боевик; Драма");
    MakeCurrent(2);
    EXPECT_FALSE(editor.Activate());
    EXPECT_EQ(params.selection, "0");
    MakeCurrent(0);
    editor.Toggle();
    EXPECT_EQ(U(editor.SelectionText()), "[ Все жанры ]");
    editor.Toggle();
    editor.SelectAll();
    EXPECT_EQ(params.selection, "");
    EXPECT_TRUE(editor.Accept());
}

class EmptyListTest : public DictEditorTest {
protected:
    EmptyListTest() : DictEditorTest("[Common]\r\nGenres=1\r\n[Genres]\r\n1=--Empty--\r\n") {}
};

TEST_F(EmptyListTest, NothingToPickAndDoubleClickAdds) {
    Open(DictKind::Genres, false, false, "1");
    EXPECT_EQ(editor.current(), -1);
    EXPECT_FALSE(editor.Accept());
    EXPECT_FALSE(editor.Activate());
    EXPECT_EQ(params.selection, "1");

    Open(DictKind::Genres, false, true, "0 1");
    EXPECT_EQ(params.selection, "");
    EXPECT_EQ(U(editor.SelectionText()), "[ Все жанры ]");
    editor.Activate();
    EXPECT_EQ(params.selection, "");

    Open(DictKind::Genres, true, false);
    Type("мелодрама");
    editor.Activate();
    EXPECT_EQ(base.Stored("Genres", "2"), "Мелодрама");
}

const char* const kContacts =
    "[Common]\r\nContacts=1\r\nLastCDID=00004\r\n[Contacts]\r\n0=Петров\r\n0_mail=p@x.ru\r\n0_phone=1\r\n"
    "1=Сидоров\r\n[00002]\r\nNam=A\r\nGin=-1\r\nOth=-1\r\n";

class ContactsTest : public DictEditorTest {
protected:
    ContactsTest() : DictEditorTest(kContacts) {}
};

TEST_F(ContactsTest, AddAsksNameMailAndPhoneAndCancelAbandonsAll) {
    Open(DictKind::Contacts, true, false);
    Type("иванов");
    prompts.ExpectText(std::nullopt); // e-mail cancelled: the phone is not asked
    editor.Add();
    Type("иванов");
    prompts.ExpectText("i@x.ru");
    prompts.ExpectText(std::nullopt);
    editor.Add();
    EXPECT_EQ(base.Stored("Common", "Contacts"), "1");

    Type("иванов");
    prompts.ExpectText("");
    prompts.ExpectText("555");
    editor.Add();
    const std::vector<std::string> asked = Asked();
    ASSERT_EQ(asked.size(), 8u);
    EXPECT_EQ(std::vector<std::string>(asked.end() - 3, asked.end()),
              (std::vector<std::string>{"input: Ф.И.О. / Введите ф.и.о. контакта", "input: Иванов / Введите e-mail",
                                        "input: Иванов / Введите телефон"}));
    EXPECT_EQ(base.Stored("Contacts", "2"), "Иванов");
    EXPECT_EQ(base.Stored("Contacts", "2_mail"), "");
    EXPECT_EQ(base.Stored("Contacts", "2_phone"), "555");
}

TEST_F(ContactsTest, ChangeWritesNameMailAndPhone) {
    Open(DictKind::Contacts, true, false);
    MakeCurrent(0);
    Type("Петров П.");
    prompts.ExpectText("pp@x.ru");
    prompts.ExpectText("2");
    editor.Change();
    EXPECT_EQ(Asked()[0], "input: Ф.И.О. / Исправление контакта");
    EXPECT_EQ(base.Stored("Contacts", "0"), "Петров П.");
    EXPECT_EQ(base.Stored("Contacts", "0_mail"), "pp@x.ru");
    EXPECT_EQ(base.Stored("Contacts", "0_phone"), "2");
}

TEST_F(ContactsTest, DeleteKeepsMailAndPhone) {
    Open(DictKind::Contacts, true, false);
    MakeCurrent(0);
    prompts.Expect(Answer::Yes);
    editor.Delete();
    EXPECT_EQ(base.Stored("Contacts", "0"), "<none>");
    EXPECT_EQ(base.Stored("Contacts", "0_mail"), "p@x.ru");
    EXPECT_EQ(Names(editor.rows()), (std::vector<std::string>{"Сидоров"}));
}

// Discs: 00003 refers to genre 1, country 0, company 2, owner 4; 00012 is lent to contact 5; 00007 is
// what a deleted disc left behind (country 3); 00013 lies above LastCDID, "12" is no disc section;
// "01" is not the index 1.
const char* const kReferences =
    "[Common]\r\nLastCDID=00012\r\nGenres=9\r\nCountries=9\r\nCompany=9\r\nContacts=9\r\n"
    "[Genres]\r\n1=Драма\r\n6=Шесть\r\n7=Семь\r\n8=Восемь\r\n[Countries]\r\n0=Франция\r\n3=Италия\r\n4=Чехия\r\n"
    "[Company]\r\n2=Мосфильм\r\n5=Ленфильм\r\n[Contacts]\r\n1=Кузнецов\r\n4=Петров\r\n5=Сидоров\r\n"
    "[00003]\r\nNam=Фильм\r\nGen=1\r\nCou=0\r\nGin=-1\r\nOth=4\r\nComp=2\r\n[00007]\r\nCou=3\r\n"
    "[00012]\r\nNam=Другой\r\nGen=01\r\nGin=5\r\nOth=-1\r\nComp=5 \r\n[00013]\r\nNam=X\r\nGen=7\r\n"
    "[12]\r\nGen=6\r\n";

class ReferenceTest : public DictEditorTest {
protected:
    ReferenceTest() : DictEditorTest(kReferences) {}
};

TEST_F(ReferenceTest, ReferencedEntriesStay) {
    const struct {
        DictKind kind;
        int index;
        bool referenced;
        const char* noun;
        const char* name;
    } cases[] = {
        {DictKind::Genres, 1, true, "жанр", "Драма"},
        {DictKind::Genres, 6, false, "жанр", "Шесть"},
        {DictKind::Genres, 7, false, "жанр", "Семь"},
        {DictKind::Countries, 0, true, "страну", "Франция"},
        {DictKind::Countries, 3, true, "страну", "Италия"},
        {DictKind::Countries, 4, false, "страну", "Чехия"},
        {DictKind::Companies, 2, true, "компанию-производителя", "Мосфильм"},
        {DictKind::Companies, 5, true, "компанию-производителя", "Ленфильм"}, // the engine drops the blank
        {DictKind::Contacts, 4, true, "контакт", "Петров"},                   // owner of a foreign disc
        {DictKind::Contacts, 5, true, "контакт", "Сидоров"},                  // borrower
        {DictKind::Contacts, 1, false, "контакт", "Кузнецов"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Open(c.kind, true, false);
        MakeCurrent(c.index);
        prompts.asked.clear();
        prompts.Expect(Answer::Yes);
        editor.Delete();
        const std::string quoted = std::string(c.noun) + " \"" + c.name + "\" из списка";
        std::vector<std::string> expected{"confirm: Удалить " + quoted + " ?"};
        if (c.referenced)
            expected.push_back("message: Невозможно удалить " + quoted + ". На " + c.noun + " имеются ссылки в базе.");
        EXPECT_EQ(Asked(), expected);
        EXPECT_EQ(base.Stored(Info(c.kind).section, std::to_string(c.index)) == "<none>", !c.referenced);
    }
}

TEST_F(DictEditorTest, ImportTwiceImportsOnlyTheFirstTime) {
    const std::string source = base.WriteOther(
        "other.cbf", "[Common]\r\nGenres=4\r\n[Genres]\r\n0=драма\r\n1=вестерн \r\n2=--Empty--\r\n3=Вестерн \r\n"
                     "4=Мюзикл\r\n");
    const std::string sourceBytes = TempDir::Read(source);
    Open(DictKind::Genres, true, false);
    for (const char* report : {"message: Найдено записей : 4. Импортировано записей : 3.",
                               "message: Найдено записей : 4. Импортировано записей : 0."}) {
        prompts.asked.clear();
        prompts.ExpectText(source);
        editor.Import();
        EXPECT_EQ(Asked(), (std::vector<std::string>{"open: Введите имя файла с открываемой базой", report}));
    }
    // Names are taken as stored in the source; equal names within it are both taken.
    EXPECT_EQ(base.Stored("Genres", "3"), "вестерн");
    EXPECT_EQ(base.Stored("Genres", "4"), "Вестерн");
    EXPECT_EQ(base.Stored("Genres", "5"), "Мюзикл");
    EXPECT_EQ(base.Stored("Common", "Genres"), "5");
    EXPECT_EQ(TempDir::Read(source), sourceBytes);
}

TEST_F(DictEditorTest, ImportFromACatalogueWithoutTheListClearsTheSelection) {
    const std::string source = base.WriteOther("other.cbf", "[Common]\r\nLastCDID=00001\r\n");
    Open(DictKind::Genres, false, true, "1 2");
    prompts.ExpectText(source);
    editor.Import();
    EXPECT_EQ(Asked().back(), "message: Найдено записей : 0. Импортировано записей : 0.");
    EXPECT_EQ(params.selection, "");
}

TEST_F(ContactsTest, ImportCopiesMailAndPhone) {
    const std::string source = base.WriteOther(
        "other.cbf", "[Common]\r\nContacts=3\r\n[Contacts]\r\n3=Орлов\r\n3_mail=o@x.ru\r\n3_phone=77\r\n0=петров\r\n");
    Open(DictKind::Contacts, true, false);
    prompts.ExpectText(source);
    editor.Import();
    EXPECT_EQ(Asked().back(), "message: Найдено записей : 2. Импортировано записей : 1.");
    EXPECT_EQ(base.Stored("Contacts", "2"), "Орлов");
    EXPECT_EQ(base.Stored("Contacts", "2_mail"), "o@x.ru");
    EXPECT_EQ(base.Stored("Contacts", "2_phone"), "77");
}

// A change whose save fails is undone: the list and the file stay as they were.
TEST_F(DictEditorTest, FailedSaveLeavesTheListAsItWas) {
    const std::string source = base.WriteOther("other.cbf", "[Common]\r\nGenres=0\r\n[Genres]\r\n0=Мюзикл\r\n");
    const std::string before = TempDir::Read(base.path);
    Open(DictKind::Genres, true, false);
    const struct {
        const char* what;
        std::function<void()> run;
    } commands[] = {
        {"add",
         [&] {
             Type("Вестерн");
             editor.Add();
         }},
        {"change",
         [&] {
             MakeCurrent(1);
             Type("Мелодрама");
             editor.Change();
         }},
        {"delete",
         [&] {
             MakeCurrent(2);
             prompts.Expect(Answer::Yes);
             editor.Delete();
         }},
        {"import",
         [&] {
             prompts.ExpectText(source);
             editor.Import();
         }},
    };
    ErrorReporter previous = SetErrorReporter([](const UserText&) {});
    for (const auto& c : commands) {
        {
            FullDisk full;
            c.run();
        }
        EXPECT_EQ(Names(editor.rows()), (std::vector<std::string>{"Боевик", "Драма", "Комедия"})) << c.what;
        EXPECT_EQ(base.ini->ReadInteger("Common", "Genres", -1), 2) << c.what;
    }
    EXPECT_EQ(Asked().back(), "message: Найдено записей : 1. Импортировано записей : 0.");
    base.ini.reset();
    EXPECT_EQ(TempDir::Read(base.path), before);
    SetErrorReporter(previous);
}

TEST_F(DictEditorTest, ImportRefusesAFileItCannotRead) {
    const std::string letter = base.WriteOther("letter.cbf", "Dear friend,\r\nno sections here.\r\n");
    const std::string folder = base.dir.File("folder.cbf");
    std::filesystem::create_directory(folder);
    Open(DictKind::Genres, true, false);
    for (const std::string& file : {letter, folder}) {
        prompts.texts.clear();
        prompts.ExpectText(file);
        editor.Import();
        ASSERT_EQ(prompts.texts.size(), 1u) << file;
        EXPECT_NE(prompts.texts[0].Utf8().find(file), std::string::npos) << file;
        EXPECT_EQ(prompts.texts[0].Utf8().find("Импортировано"), std::string::npos) << file;
    }
    EXPECT_EQ(editor.rows().size(), 3u);
}

// A catalogue the user may not write: every command that would change the list says so, asks
// nothing more and changes nothing.
TEST_F(DictEditorTest, ReadOnlyCatalogueIsNeverChanged) {
    const struct {
        const char* name;
        void (DictEditor::*command)();
    } commands[] = {{"add", &DictEditor::Add},
                    {"change", &DictEditor::Change},
                    {"delete", &DictEditor::Delete},
                    {"import", &DictEditor::Import}};
    Open(DictKind::Genres, true, false);
    MakeCurrent(1);
    const std::string before = TempDir::Read(base.path);
    ASSERT_EQ(::chmod(base.dir.Path().c_str(), 0777), 0);
    ASSERT_EQ(::chmod(base.path.c_str(), 0444), 0);
    for (const auto& c : commands) {
        SCOPED_TRACE(c.name);
        const int status = InChild([&] {
            if (!BecomeNobody()) return 10;
            prompts = ScriptedPrompts();
            Type("Вестерн");
            prompts.Expect(Answer::Yes);
            (editor.*c.command)();
            if (prompts.asked.size() != 1) return 11;
            if (U(prompts.asked[0]).find("только для чтения") == std::string::npos) return 12;
            return 0;
        });
        EXPECT_EQ(status, 0);
        EXPECT_EQ(TempDir::Read(base.path), before);
    }
}

} // namespace
} // namespace mcb::test

#include "discs/DiscCommands.h"
#include "discs/DiscsFixture.h"
#include "storage/ErrorReport.h"
#include "storage/IniFileSupport.h"
#include "storage/Literal.h"
#include "support/FullDisk.h"

#include <sys/stat.h>
#include <vector>

namespace mcb::test {
namespace {

const char* const kCatalogue = "[Common]\nLastCDID=00003\nContacts=1\n"
                               "[Contacts]\n0=Иван\n1=Пётр\n"
                               "[00001]\nNam=Свой\nGiv=0\nGin=-1\nOth=-1\n"
                               "[00002]\nNam=Чужой\nGiv=46000\nGin=0\nOth=1\n"
                               "[00003]\nNam=Отданный\nGiv=46100\nGin=1\nOth=-1\n"
                               "[00004]\nNam=Чужой в наличии\nGiv=0\nGin=-1\nOth=1\n";

enum class Command { Delete, Lend, Return };

// The row as the table build makes it: titles may carry the new-disc mark.
TableRow Row(const std::string& id, const std::string& title, const std::string& giv, const std::string& gin,
             const std::string& oth) {
    TableRow row;
    row.cells[0] = id;
    row.cells[1] = W(title) + kNewMark;
    row.giv = giv;
    row.gin = gin;
    row.oth = oth;
    return row;
}

const TableRow kOwn = Row("00001", "Свой", "0", "-1", "-1");
const TableRow kForeignLent = Row("00002", "Чужой", "46000", "0", "1");
const TableRow kLent = Row("00003", "Отданный", "46100", "1", "-1");
const TableRow kForeign = Row("00004", "Чужой в наличии", "0", "-1", "1");

struct Case {
    const char* what;
    Command command;
    TableRow row;
    std::vector<Answer> answers;
    std::vector<std::optional<std::string>> picks;
    std::vector<std::string> asked; // UTF-8, "confirm: ", "message: "
    bool changed;
    const char* journal; // the line's event text, "" = none
};

class DiscCommandsTest : public DiscsTest {
protected:
    // The command on the disc of the row, over a table that shows the row.
    bool Run(Command command, const TableRow& row, const std::string& discId) {
        CatalogueTable table;
        table.rows = {row};
        const JournalContext journal = Journal();
        const DiscCommandContext context{table, *catalogue, prompts, picker, journal, dates};
        switch (command) {
        case Command::Delete:
            return DeleteDisc(discId, context);
        case Command::Lend:
            return LendDisc(discId, context);
        case Command::Return:
            return ReturnDisc(discId, context);
        }
        return false;
    }
    bool Run(Command command, const TableRow& row) { return Run(command, row, row.cells[0]); }
};

TEST_F(DiscCommandsTest, QuestionsRefusalsAndJournal) {
    const Case cases[] = {
        {"delete, empty table", Command::Delete, TableRow{}, {}, {}, {}, false, ""},
        {"delete, No", Command::Delete, kOwn, {Answer::No}, {}, {"confirm: Удалить диск \"Свой\" ?"}, false, ""},
        {"delete own disc",
         Command::Delete,
         kOwn,
         {Answer::Yes},
         {},
         {"confirm: Удалить диск \"Свой\" ?"},
         true,
         "Данные о диске \"Свой\" (ID=00001) успешно удалены из базы."},
        {"delete foreign lent disc asks both, then refuses",
         Command::Delete,
         kForeignLent,
         {Answer::Yes, Answer::Yes},
         {},
         {"confirm: Удалить диск \"Чужой\" ?", "confirm: Это не ваш диск. Хозяин диска Пётр. Удалить диск из базы ?",
          "message: Диск отдан D46000 в долг.   Должник: Иван."},
         false,
         ""},
        {"delete foreign disc, No to the owner question",
         Command::Delete,
         kForeign,
         {Answer::Yes, Answer::No},
         {},
         {"confirm: Удалить диск \"Чужой в наличии\" ?",
          "confirm: Это не ваш диск. Хозяин диска Пётр. Удалить диск из базы ?"},
         false,
         ""},
        {"lend, empty table", Command::Lend, TableRow{}, {}, {}, {}, false, ""},
        {"lend own disc",
         Command::Lend,
         kOwn,
         {Answer::Yes},
         {"1"},
         {"confirm: Отдать диск \"Свой\" в долг ?"},
         true,
         "Диск \"Свой\" (ID=00001) отдан в долг. Должник: Пётр."},
        {"lend, list cancelled",
         Command::Lend,
         kOwn,
         {Answer::Yes},
         {std::nullopt},
         {"confirm: Отдать диск \"Свой\" в долг ?"},
         false,
         ""},
        {"lend a lent disc",
         Command::Lend,
         kLent,
         {Answer::Yes},
         {},
         {"confirm: Отдать диск \"Отданный\" в долг ?", "message: Диск уже отдан D46100 в долг.   Должник: Пётр."},
         false,
         ""},
        {"lend foreign disc to its owner",
         Command::Lend,
         kForeign,
         {Answer::Yes, Answer::Yes},
         {"1"},
         {"confirm: Отдать диск \"Чужой в наличии\" в долг ?",
          "confirm: Это не ваш диск. Хозяин диска Пётр. Отдать диск в долг ?",
          "message: Нельзя отдать диск в долг его хозяину!"},
         false,
         ""},
        {"lend foreign disc to someone else",
         Command::Lend,
         kForeign,
         {Answer::Yes, Answer::Yes},
         {"0"},
         {"confirm: Отдать диск \"Чужой в наличии\" в долг ?",
          "confirm: Это не ваш диск. Хозяин диска Пётр. Отдать диск в долг ?"},
         true,
         "Диск \"Чужой в наличии\" (ID=00004) отдан в долг. Должник: Иван."},
        {"return, empty table", Command::Return, TableRow{}, {}, {}, {}, false, ""},
        {"return a disc in stock",
         Command::Return,
         kOwn,
         {},
         {},
         {"message: Диск в наличии. Забирать не у кого."},
         false,
         ""},
        {"return, No",
         Command::Return,
         kLent,
         {Answer::No},
         {},
         {"confirm: Диск \"Отданный\" отдан D46100 в долг.   Должник: Пётр.   Списать долг ?"},
         false,
         ""},
        {"return a lent disc",
         Command::Return,
         kLent,
         {Answer::Yes},
         {},
         {"confirm: Диск \"Отданный\" отдан D46100 в долг.   Должник: Пётр.   Списать долг ?"},
         true,
         "Должник Пётр вернул диск \"Отданный\" (ID=00003)."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        OpenCatalogue(kCatalogue);
        const std::string before = TempDir::Read(CataloguePath());
        dir.Write("base.log", "");
        prompts = ScriptedPrompts();
        picker = ScriptedPicker();
        for (Answer a : c.answers) prompts.Expect(a);
        for (const auto& p : c.picks) picker.Expect(p);

        EXPECT_EQ(Run(c.command, c.row), c.changed);
        std::vector<std::string> asked;
        for (const auto& a : c.asked) asked.push_back(W(a));
        EXPECT_EQ(prompts.asked, asked);
        EXPECT_TRUE(prompts.Exhausted());
        EXPECT_TRUE(picker.Exhausted());
        // Every change reaches the file at once; a refusal leaves it as it was.
        EXPECT_EQ(TempDir::Read(CataloguePath()) != before, c.changed);
        const std::string journal = JournalText();
        if (*c.journal)
            EXPECT_NE(journal.find(W(std::string(": ") + c.journal + "\r\n")), std::string::npos) << journal;
        else
            EXPECT_EQ(journal, "");
    }
}

TEST_F(DiscCommandsTest, LendAndReturnKeepTheirDatesOnDisk) {
    OpenCatalogue(kCatalogue);
    prompts.Expect(Answer::Yes);
    picker.Expect("0");
    ASSERT_TRUE(Run(Command::Lend, kOwn));
    const DictParams& asked = picker.calls.at(0);
    EXPECT_EQ(asked.kind, DictKind::Contacts);
    EXPECT_FALSE(asked.editMode);
    EXPECT_FALSE(asked.multiSelect);
    EXPECT_EQ(asked.selection, "-1");
    EXPECT_EQ(OnDisk("00001", "Gin"), "0");
    EXPECT_EQ(OnDisk("00001", "Giv"), "46364");

    prompts.Expect(Answer::Yes);
    ASSERT_TRUE(Run(Command::Return, Row("00001", "Свой", "46364", "0", "-1")));
    EXPECT_EQ(OnDisk("00001", "Gin"), "-1");
    EXPECT_EQ(OnDisk("00001", "Giv"), "46364");
}

// The commands decide from the row of the identifier they are given, wherever the table shows it; a
// disc the table does not show is left alone without a question.
TEST_F(DiscCommandsTest, CommandsFindTheRowOfTheirDisc) {
    OpenCatalogue(kCatalogue);
    const std::string before = TempDir::Read(CataloguePath());
    CatalogueTable table;
    table.rows = {kOwn, kForeignLent, kLent};
    const JournalContext journal = Journal();
    const DiscCommandContext context{table, *catalogue, prompts, picker, journal, dates};
    for (const std::string id : {"00004", "00005", "0001", ""}) {
        EXPECT_FALSE(DeleteDisc(id, context)) << id;
        EXPECT_FALSE(LendDisc(id, context)) << id;
        EXPECT_FALSE(ReturnDisc(id, context)) << id;
    }
    EXPECT_TRUE(prompts.asked.empty());

    prompts.Expect(Answer::No);
    EXPECT_FALSE(ReturnDisc("00003", context));
    EXPECT_EQ(prompts.asked.back(),
              W("confirm: Диск \"Отданный\" отдан D46100 в долг.   Должник: Пётр.   Списать долг ?"));
    EXPECT_EQ(TempDir::Read(CataloguePath()), before);
}

TEST_F(DiscCommandsTest, DeletedIdentifierIsNotReused) {
    OpenCatalogue(kCatalogue);
    prompts.Expect(Answer::Yes);
    ASSERT_TRUE(Run(Command::Delete, Row("00003", "Отданный", "0", "-1", "-1")));
    EXPECT_EQ(OnDisk("00003", "Nam"), "<none>");
    EXPECT_EQ(OnDisk("Common", "LastCDID"), "00003");
}

// A command whose save fails changes nothing: the table shows the disc as before and no later
// save writes the abandoned change.
TEST_F(DiscCommandsTest, FailedSaveLeavesTheDiscAsItWas) {
    const TableRow own = Row("00001", "Свой", "0", "-1", "-1");
    const struct {
        Command command;
        TableRow row;
    } cases[] = {{Command::Delete, own}, {Command::Lend, own}, {Command::Return, kLent}};
    ErrorReporter previous = SetErrorReporter([](const UserText&) {});
    for (const auto& c : cases) {
        OpenCatalogue(kCatalogue);
        const std::string before = TempDir::Read(CataloguePath());
        prompts = ScriptedPrompts();
        prompts.Expect(Answer::Yes);
        picker.Expect("0");
        {
            FullDisk full;
            EXPECT_FALSE(Run(c.command, c.row));
        }
        EXPECT_EQ(catalogue->ReadString(c.row.cells[0], "Nam", ""),
                  c.row.cells[0] == "00001" ? W("Свой") : W("Отданный"));
        EXPECT_EQ(catalogue->ReadString(c.row.cells[0], "Gin", ""), c.row.gin);
        EXPECT_EQ(catalogue->ReadString(c.row.cells[0], "Giv", ""), c.row.giv);
        EXPECT_EQ(JournalText(), "");
        catalogue.reset(); // closing writes nothing either
        EXPECT_EQ(TempDir::Read(CataloguePath()), before);
    }
    SetErrorReporter(previous);
}

// A catalogue whose changes cannot be saved (no write permission on the file, or on its folder): each
// command says so before asking anything and changes nothing, although a rename through a writable
// folder would get past the file's own permissions.
TEST_F(DiscCommandsTest, ReadOnlyCatalogueIsNeverChanged) {
    const struct {
        const char* name;
        mode_t file, folder;
        const char* said;
    } accesses[] = {{"file read-only", 0444, 0777, "открыта только для чтения"},
                    {"folder read-only", 0666, 0555, "нет права записи в папку"}};
    for (const auto& access : accesses) {
        for (const Command command : {Command::Delete, Command::Lend, Command::Return}) {
            SCOPED_TRACE(access.name + std::string(" ") + std::to_string(int(command)));
            ::chmod(dir.Path().c_str(), 0755);
            OpenCatalogue(kCatalogue);
            catalogue.reset();
            const std::string before = TempDir::Read(CataloguePath());
            ASSERT_EQ(::chmod(CataloguePath().c_str(), access.file), 0);
            ASSERT_EQ(::chmod(dir.Path().c_str(), access.folder), 0);
            const int status = InChild([&] {
                if (!BecomeNobody()) return 10;
                catalogue = std::make_unique<TIniFile>(CataloguePath());
                prompts = ScriptedPrompts();
                if (Run(command, command == Command::Return ? kLent : kOwn)) return 11;
                if (prompts.asked.size() != 1 || prompts.texts.size() != 1) return 12;
                if (prompts.texts[0].Utf8().find(access.said) == std::string::npos) return 13;
                catalogue.reset();
                return 0;
            });
            ::chmod(dir.Path().c_str(), 0755);
            EXPECT_EQ(status, 0);
            EXPECT_EQ(TempDir::Read(CataloguePath()), before);
            EXPECT_EQ(ListFolder(dir.Path()), std::vector<std::string>{"base.cbf"});
            ::chmod(CataloguePath().c_str(), 0644);
        }
    }
}

} // namespace
} // namespace mcb::test

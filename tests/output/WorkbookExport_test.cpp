#include "output/WorkbookExport.h"
#include "storage/Literal.h"
#include "support/FakeServices.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <unistd.h>

namespace mcb {
namespace {

// Scripted prompts that also keep what the save dialog proposed.
class SavePrompts : public test::ScriptedPrompts {
public:
    std::optional<std::string> SaveFileName(const FileDialogSpec& options) override {
        proposed = options.initialPath;
        filter = options.filter;
        return ScriptedPrompts::SaveFileName(options);
    }
    std::string proposed;
    std::string filter;
};

TEST(WorkbookPathTest, ProposesTheCatalogueNameAndCompletesTheTypedOne) {
    test::TempDir dir;
    dir.Write("films.xlsx", "old");
    struct Case {
        std::optional<std::string> typed;
        std::vector<Answer> confirmations; // asked about replacing a file the dialog did not ask about
        std::optional<std::string> chosen;
    };
    const Case cases[] = {
        {dir.File("out"), {}, dir.File("out.xlsx")},
        {dir.File("out."), {}, dir.File("out.xlsx")},
        {dir.File("out.xlsx"), {}, dir.File("out.xlsx")},
        {dir.File("Out.XLSX"), {}, dir.File("Out.XLSX")},
        {dir.File("films.xlsx"), {}, dir.File("films.xlsx")}, // the dialog asked
        {dir.File("films"), {Answer::Yes}, dir.File("films.xlsx")},
        {dir.File("films"), {Answer::No}, std::nullopt},
        {dir.File("notes.txt"), {}, dir.File("notes.txt.xlsx")},
        {std::string(), {}, std::nullopt},
        {std::nullopt, {}, std::nullopt},
    };
    for (const Case& c : cases) {
        SavePrompts prompts;
        prompts.ExpectText(c.typed);
        for (const Answer answer : c.confirmations) prompts.Expect(answer);
        EXPECT_EQ(ChooseWorkbookPath(prompts, dir.File("films.cbf")), c.chosen) << c.typed.value_or("(cancel)");
        EXPECT_TRUE(prompts.Exhausted());
        EXPECT_EQ(prompts.proposed, dir.File("films.xlsx"));
        EXPECT_EQ(prompts.filter, W("Книга Excel (*.xlsx)|*.xlsx"));
    }
}

// A workbook named as the catalogue under another name would replace it: refused, naming the file.
TEST(WorkbookPathTest, CatalogueUnderAnotherNameIsRefused) {
    test::TempDir dir;
    dir.Write("films.cbf", "[Common]\r\n");
    ASSERT_EQ(::symlink(dir.File("films.cbf").c_str(), dir.File("link.xlsx").c_str()), 0);
    SavePrompts prompts;
    prompts.ExpectText(dir.File("link.xlsx"));
    EXPECT_EQ(ChooseWorkbookPath(prompts, dir.File("films.cbf")), std::nullopt);
    ASSERT_EQ(prompts.texts.size(), 1u);
    EXPECT_NE(prompts.texts[0].Utf8().find(dir.File("link.xlsx")), std::string::npos);
    EXPECT_EQ(test::TempDir::Read(dir.File("films.cbf")), "[Common]\r\n");
}

TEST(WorkbookShownTest, CompletionSaysWhereTheFileIsWhenNoProgramOpensIt) {
    for (const bool opens : {true, false}) {
        test::ScriptedPrompts prompts;
        test::RecordingShell shell;
        shell.opens = opens;
        ShowWorkbook("/home/Мария/Мои диски.xlsx", shell, prompts);
        EXPECT_EQ(shell.links, std::vector<std::string>{"file:///home/%D0%9C%D0%B0%D1%80%D0%B8%D1%8F/"
                                                        "%D0%9C%D0%BE%D0%B8%20%D0%B4%D0%B8%D1%81%D0%BA%D0%B8.xlsx"});
        const std::string expected = opens
                                         ? "Экспорт завершен."
                                         : "Экспорт завершен.\n\nКнига сохранена в файле /home/Мария/Мои диски.xlsx.\n"
                                           "Программа для открытия файлов .xlsx не найдена.";
        EXPECT_EQ(prompts.asked, std::vector<std::string>{"message: " + W(expected)});
    }
}

TEST(WorkbookShownTest, NothingToExportIsSaidBeforeTheWindowOpens) {
    test::ScriptedPrompts prompts;
    CatalogueTable table;
    EXPECT_FALSE(CheckSomethingToExport(table, prompts));
    table.rows[0].cells[0] = "00001";
    EXPECT_TRUE(CheckSomethingToExport(table, prompts));
    EXPECT_EQ(prompts.asked, std::vector<std::string>{"message: " + W("Нет данных для экспорта")});
}

} // namespace
} // namespace mcb

#include "output/CsvSheet.h"
#include "output/SheetFile.h"
#include "output/XlsxWorkbook.h"
#include "storage/Literal.h"
#include "support/TempDir.h"
#include "support/ZipWriter.h"

#include <gtest/gtest.h>
#include <xlsxwriter.h>

namespace mcb {
namespace {

using Rows = std::vector<std::pair<std::size_t, std::vector<std::string>>>;

Rows Cells(const SheetRead& read) {
    Rows rows;
    for (const SheetRow& row : read.rows) rows.emplace_back(row.number, row.cells);
    return rows;
}

TEST(CsvSheetTest, ReadsFieldsRecordsAndEncodings) {
    struct Case {
        const char* name;
        std::string bytes;
        Rows rows;
    };
    const Case cases[] = {
        {"comma", "a,b\n1,2\n", {{1, {"a", "b"}}, {2, {"1", "2"}}}},
        {"semicolon wins over comma", "a;b,c\n1;2,3", {{1, {"a", "b,c"}}, {2, {"1", "2,3"}}}},
        {"tab", "a\tb;c\r\n1\t2", {{1, {"a", "b;c"}}, {2, {"1", "2"}}}},
        {"quotes", "\"a,1\";\"say \"\"hi\"\"\"\n", {{1, {"a,1", "say \"hi\""}}}},
        {"break inside quotes",
         "t;d\n\"x\";\"one\r\ntwo\"\nz;w",
         {{1, {"t", "d"}}, {2, {"x", "one\r\ntwo"}}, {3, {"z", "w"}}}},
        {"empty lines keep numbers", "a\n\n\nb\r\rc", {{1, {"a"}}, {4, {"b"}}, {6, {"c"}}}},
        {"empty cells", ";;x;;\n", {{1, {"", "", "x"}}}},
        {"byte order mark", "\xEF\xBB\xBF\xD0\x96,b", {{1, {"Ж", "b"}}}},
        {"windows-1251", "\xC6\xE0\xED\xF0;\xB8", {{1, {"Жанр", "ё"}}}},
        {"byte order mark before windows-1251", "\xEF\xBB\xBF\xC6\xE0\xED\xF0", {{1, {"Жанр"}}}},
        {"unclosed quote runs to the end", "\"a;b\nc", {{1, {"a;b\nc"}}}},
        {"nothing", "", {}},
    };
    for (const Case& c : cases) {
        const SheetRead read = ParseCsv(c.bytes, {});
        EXPECT_TRUE(read.Ok()) << c.name;
        EXPECT_EQ(Cells(read), c.rows) << c.name;
    }
}

TEST(CsvSheetTest, RefusesFilesPastTheCaps) {
    SheetLimits limits;
    limits.maxColumns = 3;
    limits.maxCellChars = 4;
    limits.maxRows = 2;
    limits.maxTextBytes = 200;
    struct Case {
        std::string bytes;
        std::string error;
    };
    const Case cases[] = {
        {"a,b,c,,,,\n", ""}, // empty cells past the last column cost nothing
        {"a,b,c,d\n", "в строке 1 больше 3 колонок"},
        {"ЖЖЖЖ\nabcde", "ячейка (строка 2, колонка 1) длиннее 4 знаков"},
        {"\"" + std::string(100000, 'x'), "ячейка (строка 1, колонка 1) длиннее 4 знаков"},
        {"a\nb\nc", "в файле больше 2 строк"},
        {"a\n\n\n\n\n", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(ParseCsv(c.bytes, limits).error, W(c.error)) << c.bytes.substr(0, 20);
    limits.maxRows = 100;
    std::string many;
    for (int i = 0; i < 20; ++i) many += "abc,abc\n";
    EXPECT_EQ(ParseCsv(many, limits).error, W("в файле больше 0 МБ текста"));
}

TEST(CsvSheetTest, DetectsTheSeparatorOfTheFirstLine) {
    const std::pair<std::string, char> cases[] = {
        {"a;b;c,d", ';'}, {"a,b,c;d", ','},     {"a\tb", '\t'},        {"a;b,c\td", '\t'},
        {"abc", ','},     {"\"a;b;c\",d", ','}, {"a,b\nc;d;e;f", ','},
    };
    for (const auto& [text, delimiter] : cases) EXPECT_EQ(DetectDelimiter(text), delimiter) << text;
}

TEST(SheetFileTest, ChoosesTheReaderByTheFileName) {
    test::TempDir dir;
    dir.Write("a.CSV", "x;y");
    dir.Write("a.txt", "x\ty");
    dir.Write("a.xls", "x;y");
    dir.Write("a.xlsx", "x;y");
    EXPECT_EQ(Cells(ReadSheetFile(dir.File("a.CSV"))), (Rows{{1, {"x", "y"}}}));
    EXPECT_EQ(Cells(ReadSheetFile(dir.File("a.txt"))), (Rows{{1, {"x", "y"}}}));
    EXPECT_EQ(ReadSheetFile(dir.File("a.xls")).error, W("импортируются только файлы .xlsx и .csv"));
    EXPECT_EQ(ReadSheetFile(dir.File("a.xlsx")).error, W("файл не является книгой .xlsx"));
    EXPECT_EQ(ReadSheetFile(dir.File("none.csv")).error, W("файл не удалось прочитать"));
}

// The program's own writer puts strings inline; a workbook saved by a spreadsheet program keeps them
// in the shared table. Both must read the same.
TEST(XlsxSheetTest, ReadsInlineAndSharedStringsNumbersAndEscapes) {
    test::TempDir dir;
    {
        XlsxWorkbook own(dir.File("own.xlsx"));
        const std::pair<int, std::string> cells[] = {{1, "1999"}, {2, "00012"}, {3, W("Жанр")}, {5, "_x0041_"}};
        for (const auto& [column, text] : cells) ASSERT_TRUE(own.PutText(1, column, text));
        ASSERT_TRUE(own.PutText(3, 2, W("ёлка")));
        ASSERT_TRUE(own.Commit());
    }
    {
        lxw_workbook* shared = workbook_new(dir.File("shared.xlsx").c_str());
        lxw_worksheet* sheet = workbook_add_worksheet(shared, nullptr);
        worksheet_write_number(sheet, 0, 0, 1999, nullptr);
        worksheet_write_string(sheet, 0, 1, "00012", nullptr);
        worksheet_write_string(sheet, 0, 2, "Жанр", nullptr);
        worksheet_write_string(sheet, 0, 4, "_x005F_x0041_", nullptr);
        worksheet_write_string(sheet, 2, 1, "ёлка", nullptr);
        worksheet_write_number(sheet, 3, 0, 7.5, nullptr);
        worksheet_write_boolean(sheet, 3, 1, 1, nullptr);
        ASSERT_EQ(workbook_close(shared), LXW_NO_ERROR);
    }
    const Rows expected = {{1, {"1999", "00012", "Жанр", "", "_x0041_"}}, {3, {"", "ёлка"}}};
    EXPECT_EQ(Cells(ReadSheetFile(dir.File("own.xlsx"))), expected);
    Rows withMore = expected;
    withMore.push_back({4, {"7.5", "1"}});
    EXPECT_EQ(Cells(ReadSheetFile(dir.File("shared.xlsx"))), withMore);
}

std::string Sheet(const std::string& rows) {
    return "<?xml version=\"1.0\"?><worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">"
           "<sheetData>" +
           rows + "</sheetData></worksheet>";
}

std::string Repeated(const std::string& text, int times) {
    std::string all;
    for (int i = 0; i < times; ++i) all += text;
    return all;
}

std::string InlineCell(const std::string& reference, const std::string& text) {
    return "<c r=\"" + reference + "\" t=\"inlineStr\"><is><t>" + text + "</t></is></c>";
}

TEST(XlsxSheetTest, FollowsTheWorkbookToItsFirstSheet) {
    test::TempDir dir;
    const std::string workbook = "<workbook xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/"
                                 "relationships\"><sheets><sheet name=\"B\" sheetId=\"2\" r:id=\"rId7\"/>"
                                 "<sheet name=\"A\" sheetId=\"1\" r:id=\"rId1\"/></sheets></workbook>";
    const std::string relations = "<Relationships><Relationship Id=\"rId1\" Target=\"worksheets/sheet1.xml\"/>"
                                  "<Relationship Id=\"rId7\" Target=\"/xl/worksheets/other.xml\"/></Relationships>";
    test::WriteZip(dir.File("b.xlsx"),
                   {{"xl/workbook.xml", workbook},
                    {"xl/_rels/workbook.xml.rels", relations},
                    {"xl/worksheets/sheet1.xml", Sheet("<row r=\"1\">" + InlineCell("A1", "no") + "</row>")},
                    {"xl/worksheets/other.xml", Sheet("<row r=\"2\">" + InlineCell("B2", "yes") + "</row>"), true}});
    EXPECT_EQ(Cells(ReadSheetFile(dir.File("b.xlsx"))), (Rows{{2, {"", "yes"}}}));
}

// Hostile workbooks are refused with a reason; none may crash, hang or swallow memory.
TEST(XlsxSheetTest, RefusesDamagedAndHostileWorkbooks) {
    test::TempDir dir;
    SheetLimits limits;
    limits.maxPartBytes = 1 << 20;
    limits.maxColumns = 10;
    limits.maxRows = 1000;
    limits.maxTextBytes = 1 << 16;
    limits.maxTagBytes = 1 << 16;
    const std::string row = "<row r=\"1\">" + InlineCell("A1", "x") + "</row>";
    const std::string entities = "<?xml version=\"1.0\"?><!DOCTYPE x [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b "
                                 "\"&a;&a;&a;&a;&a;&a;&a;&a;\">]><worksheet><sheetData><row><c t=\"inlineStr\"><is>"
                                 "<t>&b;</t></is></c></row></sheetData></worksheet>";
    std::string manyRows;
    for (int r = 1; r <= 5000; ++r) manyRows += "<row r=\"" + std::to_string(r) + "\"><c><v>1</v></c></row>";
    struct Case {
        const char* name;
        std::vector<test::ZipPart> parts;
        std::string error;
    };
    const std::string damaged = "книга повреждена (часть xl/worksheets/sheet1.xml)";
    const Case cases[] = {
        {"no sheet", {{"xl/other.xml", Sheet(row)}}, "в книге нет листа"},
        {"broken xml", {{"xl/worksheets/sheet1.xml", Sheet(row).substr(0, 150) + "<<"}}, damaged},
        {"entities", {{"xl/worksheets/sheet1.xml", entities}}, damaged},
        {"bomb stated",
         {{"xl/worksheets/sheet1.xml", Sheet(std::string(2 << 20, ' ')), true}},
         "часть xl/worksheets/sheet1.xml книги больше 1 МБ"},
        {"bomb hidden", {{"xl/worksheets/sheet1.xml", Sheet(std::string(2 << 20, ' ') + row), true, 300}}, damaged},
        {"deep nesting",
         {{"xl/worksheets/sheet1.xml", Sheet(Repeated("<x>", 65) + Repeated("</x>", 65) + row), true}},
         damaged},
        {"enormous tag",
         {{"xl/worksheets/sheet1.xml", Sheet("<row r=\"1\" x=\"" + std::string(300000, 'x') + "\"/>"), true}},
         damaged},
        {"enormous comment",
         {{"xl/worksheets/sheet1.xml", Sheet("<!--" + std::string(300000, 'x') + "-->" + row), true}},
         damaged},
        {"stored size forged", {{"xl/worksheets/sheet1.xml", Sheet(row), false, 50}}, damaged},
        {"shared index",
         {{"xl/worksheets/sheet1.xml", Sheet("<row r=\"3\"><c r=\"B3\" t=\"s\"><v>4</v></c></row>")}},
         "ссылка на несуществующий общий текст (строка 3, колонка 2)"},
        {"far column",
         {{"xl/worksheets/sheet1.xml", Sheet("<row r=\"2\">" + InlineCell("XFD2", "x") + "</row>")}},
         "в строке 2 больше 10 колонок"},
        {"far row",
         {{"xl/worksheets/sheet1.xml", Sheet("<row r=\"1048576\">" + InlineCell("A1048576", "x") + "</row>")}},
         "в файле больше 1000 строк"},
        {"many rows", {{"xl/worksheets/sheet1.xml", Sheet(manyRows), true}}, "в файле больше 1000 строк"},
        {"rows backwards",
         {{"xl/worksheets/sheet1.xml", Sheet("<row r=\"5\"><c><v>1</v></c></row><row r=\"2\"><c><v>1</v></c></row>")}},
         "строки листа идут не по порядку"},
        {"enormous cell",
         {{"xl/worksheets/sheet1.xml", Sheet("<row r=\"1\">" + InlineCell("C1", std::string(200000, 'x')) + "</row>"),
           true}},
         "ячейка (строка 1, колонка 3) длиннее 32767 знаков"},
        {"enormous shared text",
         {{"xl/sharedStrings.xml", "<sst><si><t>" + std::string(200000, 'x') + "</t></si></sst>", true},
          {"xl/worksheets/sheet1.xml", Sheet(row)}},
         "общий текст книги длиннее 32767 знаков"},
        {"many shared texts",
         {{"xl/sharedStrings.xml",
           "<sst>" +
               [] {
                   std::string s;
                   for (int i = 0; i < 3000; ++i) s += "<si><t>abc</t></si>";
                   return s;
               }() +
               "</sst>",
           true},
          {"xl/worksheets/sheet1.xml", Sheet(row)}},
         "в файле больше 0 МБ текста"},
    };
    for (const Case& c : cases) {
        const std::string path = dir.File(std::string(c.name) + ".xlsx");
        test::WriteZip(path, c.parts);
        EXPECT_EQ(ReadSheetFile(path, limits).error, W(c.error)) << c.name;
    }
    // Nesting up to the cap, and a cell text longer than one tag may be, are fine.
    const std::string nested = Repeated("<x>", 62) + Repeated("</x>", 62);
    const std::string longText = Repeated("€", 30000); // 90,000 bytes
    test::WriteZip(dir.File("fine.xlsx"),
                   {{"xl/worksheets/sheet1.xml",
                     Sheet(nested + row + "<row r=\"2\">" + InlineCell("A2", longText) + "</row>"), true}});
    limits.maxTextBytes = 1 << 20;
    const SheetRead fine = ReadSheetFile(dir.File("fine.xlsx"), limits);
    EXPECT_EQ(fine.error, "");
    EXPECT_TRUE(Cells(fine) == (Rows{{1, {"x"}}, {2, {longText}}}));
}

} // namespace
} // namespace mcb

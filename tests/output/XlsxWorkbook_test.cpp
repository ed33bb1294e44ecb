#include "SheetCells.h"
#include "catalogue/CatalogueFixture.h"
#include "output/CellValue.h"
#include "output/ExportLayout.h"
#include "output/XlsxCheck.h"
#include "output/XlsxWorkbook.h"
#include "storage/CatalogueFormat.h"
#include "storage/MyIniFiles.h"
#include "support/FakeServices.h"
#include "support/TempDir.h"

#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <set>
#include <sys/resource.h>
#include <unistd.h>

namespace mcb {
namespace {

namespace fs = std::filesystem;
using test::CellPosition;
using test::ReadCell;

// Names of the files in a folder.
std::set<std::string> FilesIn(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename().string());
    return names;
}

// Cells that a reader must get back exactly: markup characters, control characters, blanks at the
// ends, a literal escape sequence, numbers and number-like texts, and a text beyond the cell limit.
TableRow TrickyDisc(int n) {
    TableRow row;
    row.cells = {DiscIdText(n),
                 W("Сталкер   !New!"),
                 "a&b<c>\"d'e",
                 std::string("tab\there\nline\rcr\x01\x98"),
                 "  blanks  ",
                 "_x0041_",
                 W("Тарковский"),
                 "00012",
                 "+5",
                 std::to_string(1970 + n),
                 "163",
                 std::string(40000, 'w')};
    row.gin = n % 2 ? "0" : "-1";
    row.giv = "45000";
    return row;
}

class XlsxWorkbookTest : public ::testing::Test {
protected:
    XlsxWorkbookTest() {
        dir_.Write("base.cbf", test::CatalogueText({
                                   {"Contacts", {{"0", "Иван & Co"}}},
                                   {"00001", {{"Nam", "x"}, {"Lin", "2"}, {"Li1", "один"}, {"Li2", "1999"}}},
                                   {"00002", {{"Nam", "y"}, {"Lin", "1"}, {"Li1", std::string(40000, 'd')}}},
                               }));
        catalogue_ = std::make_unique<TIniFile>(dir_.File("base.cbf"));
        for (int c = 0; c < kColumnCount; ++c) headings_[c] = W("Колонка ") + std::to_string(c);
        table_.rows = {TrickyDisc(1), TrickyDisc(2), TrickyDisc(3)};
    }

    ExportSource Source() const { return {headings_, table_, *catalogue_, dates_}; }

    test::TempDir dir_;
    std::unique_ptr<TIniFile> catalogue_;
    std::array<std::string, kColumnCount> headings_;
    CatalogueTable table_;
    test::FixedDateFormat dates_;
};

// The layout as the export puts it, and what a spreadsheet program reads from the workbook.
std::map<CellPosition, ReadCell> Expected(const test::RecordingSheet& sheet) {
    std::map<CellPosition, ReadCell> cells;
    for (const auto& [position, text] : sheet.cells) {
        const std::string stored = text.substr(0, kCellTextLimit);
        cells[position] = {stored, WholeNumber(stored).has_value()};
    }
    return cells;
}

TEST_F(XlsxWorkbookTest, WrittenWorkbookHoldsEveryCellOfTheLayout) {
    for (const auto layout :
         {DescriptionLayout::Vertical, DescriptionLayout::Horizontal, DescriptionLayout::SingleCell}) {
        const ExportOptions options{true, true, layout};
        test::RecordingSheet recorded;
        ASSERT_EQ(ExportResult::Done, ExportTable(Source(), options, recorded));

        const std::string path = dir_.File("export.xlsx");
        {
            XlsxWorkbook workbook(path);
            ASSERT_EQ(ExportResult::Done, ExportTable(Source(), options, workbook));
            ASSERT_TRUE(workbook.Commit()) << workbook.FailureReason();
        }
        const auto read = test::ReadWorkbookCells(path);
        ASSERT_TRUE(read);
        EXPECT_EQ(*read, Expected(recorded)) << int(layout);
        EXPECT_EQ(read->at({2, 10}), (ReadCell{"1971", true}));
        EXPECT_EQ(read->at({2, 8}), (ReadCell{"00012", false}));
        EXPECT_EQ(FilesIn(dir_.Path()), (std::set<std::string>{"base.cbf", "export.xlsx"}));
    }
}

TEST_F(XlsxWorkbookTest, FailuresLeaveNothingUnderTheNameAndSayWhy) {
    struct Case {
        const char* name;
        std::string path;
        std::function<bool(XlsxWorkbook&)> write;
        const char* reason;
    };
    const auto exportAll = [&](XlsxWorkbook& book) { return ExportTable(Source(), {}, book) == ExportResult::Done; };
    const Case cases[] = {
        {"missing folder", dir_.File("missing/out.xlsx"), exportAll, "папка не найдена"},
        {"folder is a file", dir_.File("base.cbf/out.xlsx"), exportAll, "папка не найдена"},
        {"row beyond the sheet", dir_.File("out.xlsx"),
         [](XlsxWorkbook& book) { return book.PutText(1048577, 1, "x"); },
         "лист не вмещает больше 1048576 строк и 16384 столбцов"},
        {"column beyond the sheet", dir_.File("out.xlsx"),
         [](XlsxWorkbook& book) { return book.PutText(1, 16385 + 65536, "x"); },
         "лист не вмещает больше 1048576 строк и 16384 столбцов"},
    };
    for (const Case& c : cases) {
        XlsxWorkbook workbook(c.path);
        EXPECT_FALSE(c.write(workbook)) << c.name;
        EXPECT_FALSE(workbook.Commit()) << c.name;
        EXPECT_EQ(workbook.FailureReason(), W(c.reason)) << c.name;
        EXPECT_FALSE(fs::exists(c.path)) << c.name;
        EXPECT_EQ(FilesIn(dir_.Path()), (std::set<std::string>{"base.cbf"})) << c.name;
    }
}

// The file-size limit stands in for a full disk: the writer's temporary sheet is cut short while
// the writer still reports success, so only the check of the finished file notices.
// What the process writes on its standard error while it lives.
class StderrCapture {
public:
    explicit StderrCapture(const std::string& file) : file_(file) {
        std::fflush(stderr);
        saved_ = ::dup(STDERR_FILENO);
        const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        ::dup2(fd, STDERR_FILENO);
        ::close(fd);
    }
    std::string Stop() {
        std::fflush(stderr);
        ::dup2(saved_, STDERR_FILENO);
        ::close(saved_);
        return test::TempDir::Read(file_);
    }

private:
    std::string file_;
    int saved_ = -1;
};

// Commits with files limited to `bytes`, as on a disk that fills up.
bool CommitWithin(XlsxWorkbook& workbook, rlim_t bytes) {
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &small);
    const bool committed = workbook.Commit();
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);
    return committed;
}

TEST_F(XlsxWorkbookTest, FullDiskKeepsTheOldFileAndLeavesNoTemporaryFiles) {
    dir_.Write("out.xlsx", "old workbook");
    TableRow row = TrickyDisc(4);
    row.cells[11] = "DVD 1";
    table_.rows.assign(3000, row); // a sheet larger than the limit that packs much smaller
    XlsxWorkbook workbook(dir_.File("out.xlsx"));
    ASSERT_EQ(ExportResult::Done, ExportTable(Source(), {}, workbook));

    EXPECT_FALSE(CommitWithin(workbook, 256 * 1024));
    EXPECT_EQ(workbook.FailureReason(), W("книга записана не полностью, возможно, на диске нет места"));
    EXPECT_TRUE(test::TempDir::Read(dir_.File("out.xlsx")) == "old workbook");
    EXPECT_EQ(FilesIn(dir_.Path()), (std::set<std::string>{"base.cbf", "out.xlsx"}));
}

// The writer's own English error lines ("[ERROR] workbook_close(): ...") would reach the terminal
// of the window program; the program's message says what failed instead.
TEST_F(XlsxWorkbookTest, WritersOwnErrorLinesStayOffTheTerminal) {
    const test::TempDir elsewhere;
    StderrCapture stderrText(elsewhere.File("stderr"));
    XlsxWorkbook workbook(dir_.File("out.xlsx"));
    ASSERT_EQ(ExportResult::Done, ExportTable(Source(), {}, workbook));
    EXPECT_FALSE(CommitWithin(workbook, 1024));
    EXPECT_EQ(workbook.FailureReason(), W("файл слишком велик"));
    EXPECT_EQ(stderrText.Stop(), "");
}

TEST_F(XlsxWorkbookTest, WorkbookNotCommittedLeavesNothing) {
    {
        XlsxWorkbook workbook(dir_.File("out.xlsx"));
        EXPECT_EQ(ExportResult::Done, ExportTable(Source(), {}, workbook));
    }
    EXPECT_EQ(FilesIn(dir_.Path()), (std::set<std::string>{"base.cbf"}));
}

TEST_F(XlsxWorkbookTest, CheckRefusesDamagedWorkbooks) {
    const std::string path = dir_.File("good.xlsx");
    {
        XlsxWorkbook workbook(path);
        ExportTable(Source(), {}, workbook);
        ASSERT_TRUE(workbook.Commit());
    }
    ASSERT_TRUE(WorkbookComplete(path));
    const std::string good = test::TempDir::Read(path);
    std::string flipped = good;
    flipped[good.size() / 3] ^= 0x55;
    const std::pair<const char*, std::string> damaged[] = {
        {"empty", ""},
        {"not a zip", "plain text, not a workbook"},
        {"cut in half", good.substr(0, good.size() / 2)},
        {"byte flipped", flipped},
        {"end record only", good.substr(good.size() - 22)},
    };
    for (const auto& [name, bytes] : damaged) {
        dir_.Write("bad.xlsx", bytes);
        EXPECT_FALSE(WorkbookComplete(dir_.File("bad.xlsx"))) << name;
    }
}

} // namespace
} // namespace mcb

// The import's readers on arbitrary files. The input is a CSV file, a NUL byte, the first sheet of a
// workbook, a NUL byte and its shared strings; the first byte also chooses which parts the workbook
// stores deflated and how its columns are mapped. Checks that what is read keeps to the caps and
// that any mapping of it plans without fault.
#include "FuzzFiles.h"
#include "output/CsvSheet.h"
#include "output/DiscImport.h"
#include "output/SheetFile.h"
#include "storage/MyIniFiles.h"
#include "support/ZipWriter.h"

#include <string>
#include <vector>

namespace {

using mcb::fuzz::Fail;

// Small, so that inputs of a few kilobytes reach every cap.
mcb::SheetLimits Limits() {
    mcb::SheetLimits limits;
    limits.maxRows = 200;
    limits.maxColumns = 16;
    limits.maxCellChars = 300;
    limits.maxTextBytes = 1 << 16;
    limits.maxPartBytes = 1 << 20;
    limits.maxXmlDepth = 12;
    limits.maxTagBytes = 1 << 12;
    return limits;
}

void CheckRows(const mcb::SheetRead& read, const mcb::SheetLimits& limits) {
    std::size_t previous = 0;
    for (const mcb::SheetRow& row : read.rows) {
        if (row.number <= previous || row.number > limits.maxRows) Fail("rows out of order or past the cap");
        previous = row.number;
        if (row.cells.empty() || row.cells.back().empty()) Fail("a row ends in an empty cell");
        if (row.cells.size() > limits.maxColumns) Fail("a row has more columns than the cap");
        for (const std::string& cell : row.cells)
            if (mcb::Utf8Length(cell) > limits.maxCellChars || !mcb::IsUtf8(cell))
                Fail("a cell is too long or not UTF-8");
    }
}

// Every field in turn, starting where the input says.
std::vector<mcb::ImportField> Mapping(std::size_t columns, unsigned first) {
    std::vector<mcb::ImportField> mapping;
    for (std::size_t c = 0; c < columns; ++c) mapping.push_back(mcb::ImportField((first + c) % mcb::kImportFieldCount));
    return mapping;
}

void CheckPlan(const mcb::SheetRead& read, unsigned first) {
    if (!read.Ok() || read.rows.empty()) return;
    const mcb::TIniFile catalogue(mcb::fuzz::ScratchDir() + "/none.cbf");
    const mcb::TableLayout layout = mcb::BuiltInLayout();
    const auto mapping = Mapping(mcb::ColumnHeadings(read.rows).size(), first);
    const std::optional<mcb::ImportPlan> plan = mcb::PlanImport(catalogue, {read.rows, mapping, layout});
    if (!plan || plan->discs.size() >= read.rows.size()) Fail("the plan has more discs than rows");
    for (const mcb::DiscRecord& disc : plan->discs)
        if (disc.nam.empty() && disc.nam2.empty()) Fail("a planned disc has no title");
    for (const mcb::SkippedCell& cell : plan->skipped)
        if (cell.row <= read.rows.front().number || cell.row > read.rows.back().number)
            Fail("a skipped cell lies outside the rows");
}

} // namespace

// Reading never reports to the user: a report here is a fault.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    mcb::fuzz::ScratchDir();
    mcb::fuzz::FailOnReports();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string_view> parts = mcb::fuzz::SplitInput(data, size, 3);
    const unsigned first = size ? data[0] : 0;
    const mcb::SheetLimits limits = Limits();

    const mcb::SheetRead csv = mcb::ParseCsv(parts[0], limits);
    CheckRows(csv, limits);
    CheckPlan(csv, first);

    const std::string path = mcb::fuzz::ScratchDir() + "/book.xlsx";
    mcb::test::WriteZip(path, {{"xl/worksheets/sheet1.xml", std::string(parts[1]), (first & 1) != 0},
                               {"xl/sharedStrings.xml", std::string(parts[2]), (first & 2) != 0}});
    const mcb::SheetRead book = mcb::ReadSheetFile(path, limits);
    CheckRows(book, limits);
    CheckPlan(book, first);
    return 0;
}

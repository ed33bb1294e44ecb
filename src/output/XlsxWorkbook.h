// The spreadsheet of the export on Linux: a new .xlsx workbook with one sheet holding nothing but
// cell values, written with little memory and put under its name only when it is complete. The
// writer's own error lines never reach the standard error; FailureReason says what failed.
#pragma once

#include "output/QuietStderr.h"
#include "output/Spreadsheet.h"
#include "storage/AtomicFile.h"

#include <string>

struct lxw_workbook;
struct lxw_worksheet;

namespace mcb {

class XlsxWorkbook : public Spreadsheet {
public:
    // `path` is the native path of the workbook to write; the work happens in a temporary file
    // beside it.
    explicit XlsxWorkbook(const std::string& path);
    // A workbook that was not committed leaves nothing behind.
    ~XlsxWorkbook() override;
    XlsxWorkbook(const XlsxWorkbook&) = delete;
    XlsxWorkbook& operator=(const XlsxWorkbook&) = delete;

    bool PutText(int row, int column, const std::string& text) override;
    bool PutNumber(int row, int column, double value) override;

    // Finishes the workbook, checks it and renames it over `path`. False when anything failed on
    // the way; nothing is then left under `path` or beside it, and an old file there is untouched.
    bool Commit();

    // Why the workbook could not be written (Windows-1251), empty while nothing failed.
    const std::string& FailureReason() const { return failure_; }
    // Texts longer than a cell holds, stored cut.
    int CutCells() const { return cutCells_; }

private:
    bool Fail(std::string reason);
    bool FailWithErrno(int error);
    // Drops the unfinished workbook and its temporary file; always false.
    bool Abandon();
    bool InSheet(int row, int column);
    bool Written(int error); // an lxw_error

    QuietStderr quiet_; // first in, last out: the writer's whole life
    PendingFile pending_;
    std::string tmpdir_;
    lxw_workbook* workbook_ = nullptr;
    lxw_worksheet* sheet_ = nullptr;
    std::string failure_;
    int cutCells_ = 0;
};

} // namespace mcb

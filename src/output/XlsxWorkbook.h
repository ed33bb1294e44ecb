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

    // Whole numbers without a leading zero become numbers, every other text stays text.
    bool PutText(int row, int column, const std::string& text) override;

    // Finishes the workbook, checks it and renames it over `path`. False when anything failed on
    // the way; nothing is then left under `path` or beside it, and an old file there is untouched.
    bool Commit();

    // Why the workbook could not be written (Windows-1251), empty while nothing failed.
    const std::string& FailureReason() const { return failure_; }

private:
    bool Fail(std::string reason);
    bool FailWithErrno(int error);
    // Drops the unfinished workbook and its temporary file; always false.
    bool Abandon();

    QuietStderr quiet_; // first in, last out: the writer's whole life
    PendingFile pending_;
    std::string tmpdir_;
    lxw_workbook* workbook_ = nullptr;
    lxw_worksheet* sheet_ = nullptr;
    std::string failure_;
};

} // namespace mcb

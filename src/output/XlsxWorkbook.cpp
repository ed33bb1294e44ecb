#include "output/XlsxWorkbook.h"

#include "output/CellValue.h"
#include "output/XlsxCheck.h"
#include "storage/Literal.h"

#include <cerrno>
#include <locale.h>
#include <xlsxwriter.h>

namespace mcb {

namespace {

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : path.substr(0, slash + 1);
}

std::string ErrnoReason(int error) {
    switch (error) {
    case ENOSPC:
    case EDQUOT:
        return W("на диске нет места");
    case EFBIG:
        return W("файл слишком велик");
    case EACCES:
    case EPERM:
    case EROFS:
        return W("нет права записи в папку");
    case ENOENT:
    case ENOTDIR:
        return W("папка не найдена");
    default:
        return W("ошибка ввода-вывода (код ") + std::to_string(error) + ")";
    }
}

// The writer formats its numbers (page margins, cell values) with the C library, which follows the
// program's LC_NUMERIC; a decimal comma there would make the workbook invalid. Its calls therefore
// run in the "C" locale, whatever the program's.
class InCLocale {
public:
    InCLocale() : saved_(uselocale(CLocale())) {}
    ~InCLocale() { uselocale(saved_); }
    InCLocale(const InCLocale&) = delete;
    InCLocale& operator=(const InCLocale&) = delete;

private:
    static locale_t CLocale() {
        static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
        return c;
    }
    locale_t saved_;
};

} // namespace

XlsxWorkbook::XlsxWorkbook(const std::string& path)
    : pending_(path, TempNameFor(path, "~", ".tmp")), tmpdir_(FolderOf(path)) {
    if (!pending_.Ok()) {
        FailWithErrno(pending_.Error());
        return;
    }
    // The writer's own temporary files go beside the workbook: a large export then needs room on the
    // disk the user chose, not in a small /tmp.
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    options.tmpdir = tmpdir_.data();
    const InCLocale numbers;
    workbook_ = workbook_new_opt(pending_.TempPath().c_str(), &options);
    sheet_ = workbook_ ? workbook_add_worksheet(workbook_, nullptr) : nullptr;
    if (!sheet_) Fail(W("не хватает памяти"));
}

XlsxWorkbook::~XlsxWorkbook() {
    Abandon();
}

bool XlsxWorkbook::Fail(std::string reason) {
    if (failure_.empty()) failure_ = std::move(reason);
    return false;
}

bool XlsxWorkbook::Abandon() {
    const InCLocale numbers;
    if (workbook_) lxw_workbook_free(workbook_);
    workbook_ = nullptr;
    pending_.Discard();
    return false;
}

bool XlsxWorkbook::FailWithErrno(int error) {
    return Fail(ErrnoReason(error ? error : EIO));
}

bool XlsxWorkbook::InSheet(int row, int column) {
    if (!failure_.empty()) return false;
    if (row >= 1 && row <= LXW_ROW_MAX && column >= 1 && column <= LXW_COL_MAX) return true;
    return Fail(W("лист не вмещает больше ") + std::to_string(LXW_ROW_MAX) + W(" строк и ") +
                std::to_string(LXW_COL_MAX) + W(" столбцов"));
}

bool XlsxWorkbook::Written(int error) {
    if (error == LXW_NO_ERROR) return true;
    return error == LXW_ERROR_MEMORY_MALLOC_FAILED ? Fail(W("не хватает памяти")) : FailWithErrno(errno);
}

bool XlsxWorkbook::PutText(int row, int column, const std::string& text) {
    if (!InSheet(row, column)) return false;
    if (text.empty()) return true;
    const StoredText stored = StoredCellText(text);
    cutCells_ += stored.cut;
    const InCLocale numbers;
    errno = 0;
    return Written(
        worksheet_write_string(sheet_, lxw_row_t(row - 1), lxw_col_t(column - 1), stored.utf8.c_str(), nullptr));
}

bool XlsxWorkbook::PutNumber(int row, int column, double value) {
    if (!InSheet(row, column)) return false;
    const InCLocale numbers;
    errno = 0;
    return Written(worksheet_write_number(sheet_, lxw_row_t(row - 1), lxw_col_t(column - 1), value, nullptr));
}

bool XlsxWorkbook::Commit() {
    if (!failure_.empty()) return Abandon();
    errno = 0;
    const lxw_error error = [this] {
        const InCLocale numbers;
        return workbook_close(workbook_);
    }();
    workbook_ = nullptr;
    if (error != LXW_NO_ERROR) return FailWithErrno(errno) || Abandon();
    if (!WorkbookComplete(pending_.TempPath()))
        return Fail(W("книга записана не полностью, возможно, на диске нет места")) || Abandon();
    return pending_.Commit() || FailWithErrno(pending_.Error());
}

} // namespace mcb

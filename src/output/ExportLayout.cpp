#include "output/ExportLayout.h"

#include "catalogue/ReferenceNames.h"
#include "output/CellValue.h"
#include "output/Spreadsheet.h"
#include "platform/Services.h"
#include "storage/DecimalInt.h"
#include "storage/Description.h"
#include "storage/Literal.h"

#include <string_view>

namespace mcb {

namespace {

struct ExportTexts {
    std::string availabilityHeader = W("Наличие диска");
    std::string descriptionHeader = W("Описание диска");
    std::string inStock = W("Диск в наличии");
    std::string lent = W("Диск отдан в долг ");
    std::string debtor = W(". Должник: ");
};

const ExportTexts& Texts() {
    static const ExportTexts texts;
    return texts;
}

// Puts cells at a moving position; remembers the first refusal so the caller can stop.
class SheetCursor {
public:
    explicit SheetCursor(Spreadsheet& sheet) : sheet_(sheet) {}

    // Whole numbers become numbers, so that years and durations sum and sort; the identifier in the
    // first column stays text, so that "00012" and "10000" sort as one kind.
    void Put(const std::string& text) {
        if (!ok_) return;
        const std::optional<double> number = column == 1 ? std::nullopt : WholeNumber(text);
        ok_ = number ? sheet_.PutNumber(row, column, *number) : sheet_.PutText(row, column, text);
    }
    void PutAndAdvanceColumn(const std::string& text) {
        Put(text);
        ++column;
    }
    void NextRow() {
        ++row;
        column = 1;
    }
    bool Ok() const { return ok_; }

    int row = 1;
    int column = 1;

private:
    Spreadsheet& sheet_;
    bool ok_ = true;
};

void PutHeader(const ExportSource& source, const ExportOptions& options, SheetCursor& cursor) {
    for (const std::string& caption : source.headings) cursor.PutAndAdvanceColumn(caption);
    if (options.availability) cursor.PutAndAdvanceColumn(Texts().availabilityHeader);
    if (options.description != DescriptionLayout::None) cursor.PutAndAdvanceColumn(Texts().descriptionHeader);
    cursor.NextRow();
}

std::string AvailabilityText(const TableRow& row, const ExportSource& source, ReferenceNames& contacts) {
    if (!row.IsLent()) return Texts().inStock;
    return Texts().lent + source.dates.ShortDate(ParseDecimalInt(row.giv).value_or(0)) + Texts().debtor +
           contacts.Name(row.gin);
}

// The vertical layout leaves the cursor on the row after the last line; the row step after the
// disc then gives the empty row between discs.
void PutDescription(const TIniFile& catalogue, const std::string& id, DescriptionLayout layout, SheetCursor& cursor) {
    std::string single;
    bool any = false;
    VisitDescriptionLines(catalogue, id, [&](std::string_view line) {
        any = true;
        switch (layout) {
        case DescriptionLayout::Horizontal:
            cursor.PutAndAdvanceColumn(std::string(line));
            break;
        case DescriptionLayout::Vertical:
            cursor.Put(std::string(line));
            ++cursor.row;
            break;
        case DescriptionLayout::SingleCell:
            single.append(line).append(" ");
            break;
        case DescriptionLayout::None:
            break;
        }
    });
    if (any && layout == DescriptionLayout::SingleCell) cursor.Put(single);
}

void PutDisc(const TableRow& row, const ExportSource& source, const ExportOptions& options, SheetCursor& cursor,
             ReferenceNames& contacts) {
    for (const std::string& cell : row.cells) cursor.PutAndAdvanceColumn(cell);
    if (options.availability) cursor.PutAndAdvanceColumn(AvailabilityText(row, source, contacts));
    if (options.description != DescriptionLayout::None)
        PutDescription(source.catalogue, row.cells[0], options.description, cursor);
    cursor.NextRow();
}

} // namespace

bool NothingToExport(const CatalogueTable& table) {
    return table.rows.size() < 2 && table.IsEmpty();
}

ExportResult ExportTable(const ExportSource& source, const ExportOptions& options, Spreadsheet& sheet,
                         const ExportProgress& progress) {
    SheetCursor cursor(sheet);
    if (options.header) PutHeader(source, options, cursor);
    ReferenceNames contacts(source.catalogue, "Contacts");
    const std::size_t total = source.table.rows.size();
    for (std::size_t r = 0; r < total && cursor.Ok(); ++r) {
        PutDisc(source.table.rows[r], source, options, cursor, contacts);
        if (cursor.Ok() && progress && !progress(r + 1, total)) return ExportResult::Cancelled;
    }
    return cursor.Ok() ? ExportResult::Done : ExportResult::Failed;
}

} // namespace mcb

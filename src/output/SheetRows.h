// The cells of a spreadsheet as the import reads them: the filled rows of a workbook's first sheet or
// of a CSV file, as UTF-8 texts. A hostile file must not exhaust memory or time, so every size is
// capped; a file past a cap is refused whole rather than read in part.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace mcb {

struct SheetRow {
    std::size_t number = 0;         // as the file counts rows, from 1
    std::vector<std::string> cells; // from column 1; empty texts for unfilled cells
};

struct SheetLimits {
    std::size_t maxRows = 1'048'576;          // a worksheet's own row limit
    std::size_t maxColumns = 256;             // far beyond any disc's fields
    std::size_t maxCellChars = 32767;         // a worksheet cell's own limit
    std::uint64_t maxTextBytes = 256u << 20;  // everything kept: cells and shared texts, with their upkeep
    std::uint64_t maxPartBytes = 1024u << 20; // one unpacked part of a workbook, or a CSV file
    int maxXmlDepth = 64;                     // elements open at once in a part of a workbook
    std::uint64_t maxTagBytes = 4u << 20;     // one tag of a workbook part, which is read whole
};

struct SheetRead {
    std::vector<SheetRow> rows; // filled rows only, in file order
    std::string error;          // Windows-1251, why the file was refused; empty when read

    bool Ok() const { return error.empty(); }
};

// Gathers the cells as a reader finds them and keeps to the limits. Rows must come in ascending
// order; an empty text is no cell.
class SheetCollector {
public:
    explicit SheetCollector(const SheetLimits& limits) : limits_(limits) {}

    // False, with Error() set, when a cap is passed; the reader then stops.
    bool Put(std::size_t row, std::size_t column, std::string text);
    // Counts bytes kept elsewhere for the sheet (the shared texts of a workbook) against the budget.
    bool Charge(std::uint64_t bytes);
    bool Fail(std::string error);
    // Whether a text of this many bytes is too long for a cell; sets Error() naming the place.
    bool CellTooLong(std::string_view text, std::size_t row, std::size_t column);
    bool FailTooLong(std::size_t row, std::size_t column);

    const std::string& Error() const { return read_.error; }
    const SheetLimits& Limits() const { return limits_; }
    SheetRead Take() { return std::move(read_); }

private:
    const SheetLimits& limits_;
    SheetRead read_;
    std::uint64_t kept_ = 0;
};

// Number of UTF-8 characters in the text.
std::size_t Utf8Length(std::string_view text);

// "строка R, колонка C" (Windows-1251), the place of a cell in messages.
std::string CellPlace(std::size_t row, std::size_t column);

} // namespace mcb

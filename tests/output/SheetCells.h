// The cells of an exported sheet: as the export put them (a recording spreadsheet) and as a written
// workbook holds them (read back from the file).
#pragma once

#include "output/Spreadsheet.h"

#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>

namespace mcb::test {

using CellPosition = std::pair<int, int>; // row, column, from 1

// Windows-1251 texts by position, numbers in decimal; empty texts are not recorded, as they leave the
// cell empty.
class RecordingSheet : public Spreadsheet {
public:
    bool PutText(int row, int column, const std::string& text) override {
        if (refuseAt && *refuseAt == CellPosition{row, column}) return false;
        wentBack = wentBack || row < lastRow;
        lastRow = row;
        ++puts;
        if (!text.empty()) cells[{row, column}] = text;
        return true;
    }
    bool PutNumber(int row, int column, double value) override {
        numbers.insert({row, column});
        return PutText(row, column, std::to_string(static_cast<long long>(value)));
    }

    std::map<CellPosition, std::string> cells;
    std::set<CellPosition> numbers;       // the cells put as numbers
    std::optional<CellPosition> refuseAt; // the cell this sheet refuses
    bool wentBack = false;                // a cell was put above one put before
    int lastRow = 0;
    int puts = 0;
};

struct ReadCell {
    std::string text; // Windows-1251
    bool number = false;

    bool operator==(const ReadCell&) const = default;
};

// The cells of the first worksheet of an .xlsx file; nothing when it cannot be read.
std::optional<std::map<CellPosition, ReadCell>> ReadWorkbookCells(const std::string& path);

} // namespace mcb::test

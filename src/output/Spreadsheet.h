// The spreadsheet the export writes into: a new workbook with one sheet of addressable cells.
#pragma once

#include <string>

namespace mcb {

class Spreadsheet {
public:
    virtual ~Spreadsheet() = default;
    // Put a value into the cell at (row, column), both counted from 1. False when the workbook cannot
    // take it; the export then stops.
    // A Windows-1251 text, kept as text; an empty text leaves the cell empty.
    virtual bool PutText(int row, int column, const std::string& text) = 0;
    virtual bool PutNumber(int row, int column, double value) = 0;
};

} // namespace mcb

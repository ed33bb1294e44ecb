// The spreadsheet the export writes into: a new workbook with one sheet of addressable cells.
#pragma once

#include <string>

namespace mcb {

class Spreadsheet {
public:
    virtual ~Spreadsheet() = default;
    // Puts a Windows-1251 text into the cell at (row, column), both counted from 1; an empty text
    // leaves the cell empty. False when the workbook cannot take it; the export then stops.
    virtual bool PutText(int row, int column, const std::string& text) = 0;
};

} // namespace mcb

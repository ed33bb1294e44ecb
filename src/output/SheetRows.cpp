#include "output/SheetRows.h"

#include "storage/Literal.h"

namespace mcb {

namespace {

// What a kept text costs beyond its bytes: the string object itself.
constexpr std::uint64_t kCellUpkeep = sizeof(std::string);

} // namespace

std::size_t Utf8Length(std::string_view text) {
    std::size_t length = 0;
    for (const char c : text) length += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return length;
}

std::string CellPlace(std::size_t row, std::size_t column) {
    return W("строка ") + std::to_string(row) + W(", колонка ") + std::to_string(column);
}

bool SheetCollector::Fail(std::string error) {
    if (read_.error.empty()) read_.error = std::move(error);
    return false;
}

bool SheetCollector::Charge(std::uint64_t bytes) {
    kept_ += bytes;
    if (kept_ <= limits_.maxTextBytes) return true;
    return Fail(W("в файле больше ") + std::to_string(limits_.maxTextBytes >> 20) + W(" МБ текста"));
}

bool SheetCollector::CellTooLong(std::string_view text, std::size_t row, std::size_t column) {
    if (text.size() <= limits_.maxCellChars || Utf8Length(text) <= limits_.maxCellChars) return false;
    FailTooLong(row, column);
    return true;
}

bool SheetCollector::FailTooLong(std::size_t row, std::size_t column) {
    return Fail(W("ячейка (") + CellPlace(row, column) + W(") длиннее ") + std::to_string(limits_.maxCellChars) +
                W(" знаков"));
}

// Empty cells cost nothing, so none of them can pass a cap.
bool SheetCollector::Put(std::size_t row, std::size_t column, std::string text) {
    if (text.empty()) return true;
    if (row == 0 || column == 0) return Fail(W("неверный адрес ячейки"));
    if (row > limits_.maxRows) return Fail(W("в файле больше ") + std::to_string(limits_.maxRows) + W(" строк"));
    if (column > limits_.maxColumns)
        return Fail(W("в строке ") + std::to_string(row) + W(" больше ") + std::to_string(limits_.maxColumns) +
                    W(" колонок"));
    if (CellTooLong(text, row, column)) return false;
    std::vector<SheetRow>& rows = read_.rows;
    if (!rows.empty() && row < rows.back().number) return Fail(W("строки листа идут не по порядку"));
    if (rows.empty() || rows.back().number != row) {
        if (!Charge(sizeof(SheetRow))) return false;
        rows.push_back({row, {}});
    }
    std::vector<std::string>& cells = rows.back().cells;
    if (column > cells.size()) {
        if (!Charge(kCellUpkeep * (column - cells.size()))) return false;
        cells.resize(column);
    }
    if (!Charge(text.size())) return false;
    cells[column - 1] = std::move(text);
    return true;
}

} // namespace mcb

#include "output/SheetFile.h"

#include "output/CsvSheet.h"
#include "output/XlsxSheet.h"
#include "storage/Literal.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace mcb {

namespace {

std::string LowerExtension(const std::string& path) {
    std::string extension = std::filesystem::path(path).extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return extension;
}

} // namespace

SheetRead ReadSheetFile(const std::string& path, const SheetLimits& limits) {
    const std::string extension = LowerExtension(path);
    if (extension == ".xlsx") return ReadXlsxSheet(path, limits);
    if (extension == ".csv" || extension == ".txt") return ReadCsvSheet(path, limits);
    SheetRead refused;
    refused.error = W("импортируются только файлы .xlsx и .csv");
    return refused;
}

} // namespace mcb

#include "output/ImportFields.h"

#include "storage/Cp1251.h"
#include "storage/Literal.h"
#include "storage/Storable.h"

#include <algorithm>

namespace mcb {

namespace {

constexpr std::string_view kSortMark = "#  ";

bool IsTableField(ImportField field) {
    return field >= ImportField::Title && field <= ImportField::Carrier;
}

// The heading as the comparison sees it: Windows-1251, without blanks around and without the sort mark.
std::string HeadingKey(const std::string& utf8) {
    const StorableText text = CheckStorable(utf8);
    if (!text.Ok()) return {};
    std::string_view key = TrimControl(text.text);
    if (key.starts_with(kSortMark)) key = TrimControl(key.substr(kSortMark.size()));
    return UpperCase(key);
}

ImportField FieldOfHeading(const std::string& key, const TableLayout& layout, const TableLayout& builtIn) {
    if (key.empty()) return ImportField::None;
    for (int f = 1; f < kImportFieldCount; ++f) {
        const auto field = ImportField(f);
        if (key == UpperCase(FieldCaption(field, layout))) return field;
        if (IsTableField(field) && key == UpperCase(builtIn.headers[f])) return field;
    }
    return key == UpperCase(W("Описание диска")) ? ImportField::Description : ImportField::None;
}

} // namespace

std::string FieldCaption(ImportField field, const TableLayout& layout) {
    if (IsTableField(field)) return layout.headers[int(field)];
    switch (field) {
    case ImportField::Description:
        return W("Описание");
    case ImportField::Owner:
        return W("Владелец");
    default:
        return W("(не импортировать)");
    }
}

std::vector<ImportField> PresetMapping(const std::vector<std::string>& headings, const TableLayout& layout) {
    const TableLayout builtIn = BuiltInLayout();
    std::vector<ImportField> mapping;
    for (const std::string& heading : headings) {
        const std::string key = HeadingKey(heading);
        const bool continues = key.empty() && !mapping.empty() && mapping.back() == ImportField::Description &&
                               TrimControl(heading).empty();
        mapping.push_back(continues ? ImportField::Description : FieldOfHeading(key, layout, builtIn));
    }
    return mapping;
}

std::vector<std::string> ColumnHeadings(const std::vector<SheetRow>& rows) {
    std::size_t columns = 0;
    for (const SheetRow& row : rows) columns = std::max(columns, row.cells.size());
    std::vector<std::string> headings = rows.empty() ? std::vector<std::string>() : rows.front().cells;
    headings.resize(columns);
    return headings;
}

} // namespace mcb

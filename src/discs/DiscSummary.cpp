#include "discs/DiscSummary.h"

#include "catalogue/DiscValues.h"
#include "catalogue/TableCells.h"
#include "storage/Cp1251.h"
#include "storage/Description.h"
#include "storage/Literal.h"

namespace mcb {

namespace {

constexpr int kDurationColumn = 10;

void AddFields(const TableRow& row, const TableLayout& layout, int first, int last, std::vector<std::string>& lines) {
    for (int c = first; c <= last; ++c) {
        if (TrimControl(row.cells[c]).empty()) continue;
        std::string line = layout.headers[c] + " : " + row.cells[c];
        if (c == kDurationColumn) line += W(" мин");
        lines.push_back(std::move(line));
    }
}

} // namespace

// The names come from the disc itself, without the new-disc mark the table adds to the title, and
// the column names without the sort mark of the heading.
std::vector<std::string> DiscSummary(const TIniFile& catalogue, const std::string& discId, const TableLayout& layout) {
    const DiscViews disc = ReadDiscViews(catalogue, discId);
    if (discId.empty() || !disc.IsDisc()) return {};
    const std::array<std::string, 3> names = ListNames(catalogue).Of(disc);
    const TableRow row = MakeTableRow(disc, RowContext{discId, {names[0], names[1], names[2]}, false}, layout);
    std::vector<std::string> lines;
    AddFields(row, layout, 1, 2, lines);
    lines.push_back(" ");
    AddFields(row, layout, 3, kDurationColumn, lines);
    lines.push_back(" ");
    for (std::string& line : ReadDescriptionLines(catalogue, discId)) lines.push_back(std::move(line));
    return lines;
}

std::string DiscViewCaption(const TIniFile& catalogue, const std::string& discId, const std::string& what) {
    const DiscValues disc = ReadDiscValues(catalogue, discId);
    std::string caption;
    for (const std::string* name : {&disc.Nam, &disc.Nam2})
        if (!name->empty()) caption += *name + " ";
    return caption + ": " + what;
}

} // namespace mcb

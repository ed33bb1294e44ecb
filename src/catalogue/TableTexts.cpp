#include "catalogue/TableTexts.h"

#include "storage/Literal.h"
#include "storage/TextCodec.h"
#include "storage/Version.h"

namespace mcb {

std::string ProgramCaption() {
    return std::string("Mirvane CD Base ") + kProgramVersion;
}

std::string WindowCaption(const std::string& baseFileName) {
    const size_t slash = baseFileName.rfind('/');
    const std::string name = slash == std::string::npos ? baseFileName : baseFileName.substr(slash + 1);
    return ProgramCaption() + " - " + Cp1251FromUtf8(name).text;
}

std::array<std::string, kColumnCount> HeadingRow(const TableLayout& layout, int sortOrder) {
    std::array<std::string, kColumnCount> headings = layout.headers;
    if (sortOrder >= 0 && sortOrder < kColumnCount) headings[sortOrder].insert(0, "#  ");
    return headings;
}

std::array<std::string, 4> CounterTexts(const TableCounters& counters) {
    return {W("Всего дисков в базе : ") + std::to_string(counters.all),
            W("   из них отданных в долг : ") + std::to_string(counters.lent),
            W("Показано дисков : ") + std::to_string(counters.shown),
            W("   из них отданных в долг: ") + std::to_string(counters.shownLent)};
}

} // namespace mcb

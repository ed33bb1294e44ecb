// How one disc of the table is printed: as a block of the catalogue report, or alone as a sheet of
// labelled fields.
#pragma once

#include "catalogue/ReferenceNames.h"
#include "catalogue/TableTypes.h"
#include "output/ReportLayout.h"
#include "storage/Settings.h"

#include <array>

namespace mcb {

class DateFormat;
class TIniFile;

struct DiscBlockOptions {
    bool description = true; // the disc's description lines
    bool separator = true;   // a rule after each disc
    bool newColour = false;  // the new-disc mark in newColour
    bool infoColour = false; // the lending sentence in infoColour
    int newColourValue = kBlack;
    int infoColourValue = kBlack;
};

// The report's options as the print window shows them: the colour switches count only with colour
// printing on.
DiscBlockOptions DiscBlockOptionsOf(const PrinterSettings& printer);

class DiscBlockPrinter {
public:
    DiscBlockPrinter(ReportLayout& layout, const TIniFile& catalogue, const DateFormat& dateFormat,
                     const DiscBlockOptions& options);

    // The title line with the facts, the status line with owner, loan and medium, the description
    // and the rule; shaded discs alternate.
    void Print(const TableRow& row);

private:
    void TitleLine(const TableRow& row);
    void Facts(const TableRow& row);
    void Status(const TableRow& row);
    void Medium(const std::string& medium);
    void Description(const std::string& id);

    ReportLayout& layout_;
    const TIniFile& catalogue_;
    const DateFormat& dateFormat_;
    DiscBlockOptions options_;
    ReferenceNames contacts_;
};

// The disc alone: its filled fields under their column captions, then its description lines.
void PrintDiscSheet(ReportLayout& layout, const TableRow& row, const std::array<std::string, kColumnCount>& captions,
                    const TIniFile& catalogue);

} // namespace mcb

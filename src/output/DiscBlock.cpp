#include "output/DiscBlock.h"

#include "platform/Services.h"
#include "storage/Cp1251.h"
#include "storage/DecimalInt.h"
#include "storage/Description.h"
#include "storage/Literal.h"

namespace mcb {

namespace {

// Windows-1251 forms of the block's fixed texts, converted once.
struct BlockTexts {
    std::string dash = " - ";
    std::string newMark = "   !New! ";
    std::string comma = ", ";
    std::string made = W("производство ");
    std::string director = W("режиссер ");
    std::string year = W(" г., ");
    std::string length = W("длит. ");
    std::string minutes = W(" мин, ");
    std::string starring = W("в главных ролях ");
    std::string foreign = W("Чужой диск. Хозяин ");
    std::string lent = W("Диск отдан в долг ");
    std::string debtor = W(". Должник : ");
    std::string inStock = W("Диск в наличии");
    std::string medium = W("носитель  ");
    std::string description = W("Описание диска");
    std::string descriptionIndent = W("    Описание диска : ");
};

const BlockTexts& Texts() {
    static const BlockTexts texts;
    return texts;
}

bool FilledAfterTrim(std::string_view cell) {
    return !TrimBlanks(cell).empty();
}

} // namespace

DiscBlockOptions DiscBlockOptionsOf(const PrinterSettings& printer) {
    DiscBlockOptions options;
    options.description = printer.PrintInfo;
    options.separator = printer.PrintSeparator;
    options.newColour = printer.EnabledColorPrint && printer.EnabledNewColor;
    options.infoColour = printer.EnabledColorPrint && printer.EnabledInfoColor;
    options.newColourValue = printer.NewColor & 0xFFFFFF;
    options.infoColourValue = printer.InfoColor & 0xFFFFFF;
    return options;
}

DiscBlockPrinter::DiscBlockPrinter(ReportLayout& layout, const TIniFile& catalogue, const DateFormat& dateFormat,
                                   const DiscBlockOptions& options)
    : layout_(layout), catalogue_(catalogue), dateFormat_(dateFormat), options_(options),
      contacts_(catalogue, "Contacts") {}

void DiscBlockPrinter::Print(const TableRow& row) {
    layout_.SetIndent(0);
    TitleLine(row);
    layout_.SetIndent(-layout_.Width("    "));
    Facts(row);
    layout_.PutLine(kPlain, "");
    Status(row);
    if (!row.cells[11].empty()) Medium(row.cells[11]);
    layout_.PutLine(kPlain, "");
    if (options_.description) Description(row.cells[0]);
    if (options_.separator) layout_.DrawSeparator();
    layout_.SetBandParity(!layout_.cursor().BandParity);
}

void DiscBlockPrinter::TitleLine(const TableRow& row) {
    const BlockTexts& t = Texts();
    std::string title = row.cells[1];
    const size_t mark = title.find(kNewMark);
    const bool isNew = mark != std::string::npos;
    if (isNew) title.erase(mark, std::char_traits<char>::length(kNewMark));
    layout_.PutWrapped(kBoldUnderlined, title);
    if (FilledAfterTrim(row.cells[2])) {
        if (!title.empty()) layout_.PutWrapped(kPlain, t.dash);
        layout_.PutWrapped(kBoldUnderlined, row.cells[2]);
    }
    if (options_.newColour) layout_.SetTextColour(options_.newColourValue);
    if (isNew) layout_.PutWrapped(kBoldItalic, t.newMark);
    layout_.SetTextColour(kBlack);
    layout_.PutWrapped(kPlain, t.comma);
}

// Genre, audience, company and country, director, year, length and starring, each only when given.
void DiscBlockPrinter::Facts(const TableRow& row) {
    const BlockTexts& t = Texts();
    const auto& c = row.cells;
    const auto listed = [&](const std::string& cell) {
        if (!cell.empty()) layout_.PutWrapped(kPlain, cell + t.comma);
    };
    const auto labelled = [&](const std::string& cell, const std::string& label, const std::string& after) {
        if (cell.empty()) return;
        layout_.PutWrapped(kItalic, label);
        layout_.PutWrapped(kPlain, cell + after);
    };
    listed(c[3]);
    listed(c[4]);
    if (FilledAfterTrim(c[7] + c[8])) layout_.PutWrapped(kItalic, t.made);
    listed(c[8]);
    listed(c[7]);
    labelled(c[6], t.director, t.comma);
    if (!c[9].empty()) layout_.PutWrapped(kPlain, c[9] + t.year);
    labelled(c[10], t.length, t.minutes);
    labelled(c[5], t.starring, " ");
}

void DiscBlockPrinter::Status(const TableRow& row) {
    const BlockTexts& t = Texts();
    if (row.oth != "-1") {
        layout_.PutWrapped(kBoldItalic, t.foreign + contacts_.Name(row.oth) + ". ");
        layout_.SetTextColour(kBlack);
    }
    if (row.gin == "-1") return layout_.PutWrapped(kItalic, t.inStock);
    if (options_.infoColour) layout_.SetTextColour(options_.infoColourValue);
    const std::string date = dateFormat_.ShortDate(ParseDecimalInt(row.giv).value_or(0));
    layout_.PutWrapped(kBoldItalic, t.lent + date + t.debtor + contacts_.Name(row.gin) + ".");
    layout_.SetTextColour(kBlack);
}

// Right-aligned on the status line, or on a line of its own when it does not fit there.
void DiscBlockPrinter::Medium(const std::string& medium) {
    const BlockTexts& t = Texts();
    layout_.SetStyle(kBoldItalic);
    const int x = layout_.cursor().PageWidth - layout_.Width(t.medium + medium + "W");
    if (x < layout_.cursor().PenX) {
        layout_.PutLine(kPlain, "");
        layout_.PutWrapped(kPlain, " ");
    }
    layout_.MoveTo(x);
    layout_.PutWrapped(kItalic, t.medium);
    layout_.PutWrapped(kBold, medium);
}

void DiscBlockPrinter::Description(const std::string& id) {
    const BlockTexts& t = Texts();
    bool first = true;
    VisitDescriptionLines(catalogue_, id, [&](std::string_view line) {
        if (first) {
            layout_.PutWrapped(kUnderlined, t.description);
            layout_.PutWrapped(kPlain, " : ");
            layout_.SetIndent(layout_.Width(t.descriptionIndent));
            first = false;
        }
        layout_.PutLine(kPlain, line);
    });
    layout_.SetIndent(0);
}

void PrintDiscSheet(ReportLayout& layout, const TableRow& row, const std::array<std::string, kColumnCount>& captions,
                    const TIniFile& catalogue) {
    for (int column : {1, 2}) {
        if (!FilledAfterTrim(row.cells[column])) continue;
        layout.PutWrapped(kPlain, captions[column] + " : ");
        layout.PutLine(kBold, row.cells[column]);
    }
    layout.PutLine(kBold, " ");
    for (int column = 3; column <= 10; ++column) {
        if (!FilledAfterTrim(row.cells[column])) continue;
        layout.PutWrapped(kBold, captions[column] + " : ");
        layout.PutLine(kPlain, column == 10 ? row.cells[column] + W(" мин") : row.cells[column]);
    }
    layout.PutLine(kPlain, "");
    VisitDescriptionLines(catalogue, row.cells[0], [&layout](std::string_view line) { layout.PutLine(kPlain, line); });
}

} // namespace mcb

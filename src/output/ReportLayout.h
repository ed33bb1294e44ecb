// The small text-layout engine of the printed report and the disc sheet: word wrapping with a
// hanging indent, per-piece font styles and colours, horizontal rules, a shaded band behind every
// other disc, page breaks and a page-number line. Positions are device units of the printer.
#pragma once

#include "output/PrintCanvas.h"

#include <string>
#include <string_view>

namespace mcb {

// The layout state of one job.
struct ReportCursor {
    int PageWidth = 0;
    int PageHeight = 0;
    int LineHeight = 0; // height of "1" times 1.1, truncated
    int LeftMargin = 0; // width of two blanks
    int LineStart = 0;  // where a new or wrapped line starts: LeftMargin plus the hanging indent
    int PenX = 0;
    int PenY = 0;            // top of the current text line
    bool BandParity = false; // the disc being printed is a shaded one
    bool BandDrawn = false;  // the band of the current text line is drawn already
};

struct LayoutOptions {
    int fontSize = 10;        // printing size in points; the font itself is set on the canvas
    bool pageNumbers = false; // page-number line at the top of every page
    bool bands = false;       // shaded band behind every other disc
    int bandColour = kWhite;
};

class ReportLayout {
public:
    ReportLayout(PrintCanvas& canvas, const LayoutOptions& options);

    // With the printing font set on the canvas: takes the page size and metrics and opens page 1.
    void Begin();

    void StartPage(bool first);
    void DrawSeparator();
    void PutWord(FontStyle style, std::string_view text);
    void PutWrapped(FontStyle style, std::string_view text);
    void PutLine(FontStyle style, std::string_view text);
    void SetIndent(int amount);

    void SetTextColour(int colour);
    void SetStyle(FontStyle style);
    // In the style current now.
    int Width(std::string_view text) { return canvas_.TextWidth(text); }
    // Puts the next text line's left end at x.
    void MoveTo(int x) { cursor_.PenX = x; }

    const ReportCursor& cursor() const { return cursor_; }
    void SetBandParity(bool shaded) { cursor_.BandParity = shaded; }
    // The printer refused a new page; everything after is dropped.
    bool Failed() const { return failed_; }

private:
    void NewLine();
    void Wrap();
    void PutLongPiece(FontStyle style, std::string_view piece);
    void PrintPageNumber();
    int RuleWidth() const;

    PrintCanvas& canvas_;
    LayoutOptions options_;
    ReportCursor cursor_;
    FontStyle style_;
    int textColour_ = kBlack;
    bool failed_ = false;
};

} // namespace mcb

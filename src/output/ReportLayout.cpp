#include "output/ReportLayout.h"

#include <algorithm>
#include <cstdlib>

namespace mcb {

ReportLayout::ReportLayout(PrintCanvas& canvas, const LayoutOptions& options) : canvas_(canvas), options_(options) {}

void ReportLayout::Begin() {
    cursor_ = ReportCursor{};
    cursor_.PageWidth = canvas_.PageWidth();
    cursor_.PageHeight = canvas_.PageHeight();
    canvas_.SetFontStyle(style_ = kPlain);
    SetTextColour(kBlack);
    cursor_.LineHeight = canvas_.TextHeight("1") * 11 / 10;
    cursor_.LeftMargin = canvas_.TextWidth("  ");
    StartPage(true);
}

void ReportLayout::StartPage(bool first) {
    if (first) {
        cursor_.LineStart = cursor_.LeftMargin;
    } else if (!failed_ && !canvas_.NewPage()) {
        failed_ = true;
    }
    if (failed_) return;
    cursor_.PenX = cursor_.LineStart;
    cursor_.PenY = cursor_.LineHeight / 2;
    if (options_.pageNumbers) PrintPageNumber();
    canvas_.SetFontSize(options_.fontSize);
    SetStyle(kPlain);
}

// Drawn black on white; the text it interrupts goes on in its own colour on the new page.
void ReportLayout::PrintPageNumber() {
    const std::string text = "Mirvane CD Base. Page " + std::to_string(canvas_.PageNumber());
    canvas_.SetFontSize(8);
    SetStyle(kUnderlined);
    canvas_.SetTextColour(kBlack);
    canvas_.SetFillColour(kWhite);
    canvas_.DrawText(cursor_.PageWidth / 2 - canvas_.TextWidth(text) / 2, cursor_.PenY, text);
    cursor_.PenY += canvas_.TextHeight(text) * 3 / 2;
    canvas_.SetTextColour(textColour_);
}

// Two units, or a screen pixel (1/96 inch) where that is more: two units of a fine printer are too
// thin to see.
int ReportLayout::RuleWidth() const {
    return std::max(2, (canvas_.Resolution() + 48) / 96);
}

// The room below the rule keeps the next line's band and text background off it.
void ReportLayout::DrawSeparator() {
    if (failed_) return;
    const int width = RuleWidth();
    canvas_.SetLine(kBlack, width);
    canvas_.DrawLine(cursor_.LeftMargin, cursor_.PenY, cursor_.PageWidth, cursor_.PenY);
    cursor_.PenY += width + (width + 1) / 2 + 2;
}

void ReportLayout::PutWord(FontStyle style, std::string_view text) {
    if (failed_) return;
    if (options_.bands) {
        if (cursor_.BandParity && !cursor_.BandDrawn) {
            const int left = cursor_.PenX == cursor_.LineStart ? cursor_.LeftMargin : cursor_.PenX;
            canvas_.SetLine(options_.bandColour, 1);
            canvas_.SetFillColour(options_.bandColour);
            canvas_.DrawRectangle(left, cursor_.PenY - 2, cursor_.PageWidth - 1, cursor_.PenY + cursor_.LineHeight - 1);
            cursor_.BandDrawn = true;
        } else if (!cursor_.BandParity) {
            canvas_.SetLine(kBlack, 1);
            canvas_.SetFillColour(kWhite);
        }
    }
    if (text.empty()) return;
    SetStyle(style);
    canvas_.DrawText(cursor_.PenX, cursor_.PenY, text);
    cursor_.PenX += canvas_.TextWidth(text);
}

// Pieces end just after a blank; a piece that does not fit before the right edge (keeping room for
// a "W") goes to the next line, even when that leaves the current line empty. A piece wider than a
// whole line is broken where the lines end.
void ReportLayout::PutWrapped(FontStyle style, std::string_view text) {
    if (text.empty()) return PutWord(style, text);
    while (!text.empty()) {
        const size_t blank = text.find(' ');
        const size_t length = blank == std::string_view::npos ? text.size() : blank + 1;
        const std::string_view piece = text.substr(0, length);
        text.remove_prefix(length);
        const int width = Width(piece), room = Width("W");
        if (cursor_.PageWidth - (cursor_.LineStart + room) < width) {
            PutLongPiece(style, piece);
            continue;
        }
        if (cursor_.PageWidth - (cursor_.PenX + room) < width) Wrap();
        PutWord(style, piece);
    }
}

// Starts on a line of its own, then fills each line up to the right edge.
void ReportLayout::PutLongPiece(FontStyle style, std::string_view piece) {
    if (cursor_.PenX != cursor_.LineStart) Wrap();
    while (!piece.empty() && !failed_) {
        SetStyle(style);
        const int room = cursor_.PageWidth - (cursor_.PenX + Width("W"));
        const size_t fits = std::max<size_t>(1, canvas_.FittingLength(piece, room));
        if (fits >= piece.size()) return PutWord(style, piece);
        PutWord(style, piece.substr(0, fits));
        piece.remove_prefix(fits);
        Wrap();
    }
}

void ReportLayout::Wrap() {
    cursor_.BandDrawn = false;
    NewLine();
}

// An empty line of a shaded disc is shaded too.
void ReportLayout::PutLine(FontStyle style, std::string_view text) {
    if (!text.empty()) {
        PutWrapped(style, text);
    } else {
        PutWord(style, text);
        cursor_.PenX = cursor_.LineStart + 1;
    }
    cursor_.BandDrawn = false;
    if (cursor_.PenX != cursor_.LineStart) NewLine();
}

void ReportLayout::NewLine() {
    cursor_.PenX = cursor_.LineStart;
    cursor_.PenY += cursor_.LineHeight;
    if (cursor_.PageHeight - cursor_.PenY < 2 * cursor_.LineHeight) StartPage(false);
}

void ReportLayout::SetIndent(int amount) {
    cursor_.LineStart = cursor_.LeftMargin + std::abs(amount);
    if (amount >= 0) cursor_.PenX = cursor_.LineStart;
}

void ReportLayout::SetTextColour(int colour) {
    textColour_ = colour;
    canvas_.SetTextColour(colour);
}

void ReportLayout::SetStyle(FontStyle style) {
    if (style == style_) return;
    style_ = style;
    canvas_.SetFontStyle(style);
}

} // namespace mcb

// A print canvas with fixed character metrics that records every drawing: each character is as wide
// as the font size in points (two more in bold), a text is twice the size high, a page is 600 by 400
// units unless a test says otherwise, and an inch is 72 units. Texts are recorded in UTF-8.
#pragma once

#include "output/PrintCanvas.h"
#include "output/PrintFont.h"
#include "storage/TextCodec.h"

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace mcb::test {

struct DrawnText {
    int page, x, y;
    std::string text; // UTF-8
    FontStyle style;
    int size, colour, fill;
};

struct DrawnShape {
    enum Kind { Line, Rectangle } kind;
    int page, x1, y1, x2, y2;
    int lineColour, lineWidth, fill;
};

class RecordingCanvas : public PrintCanvas {
public:
    explicit RecordingCanvas(int width = 600, int height = 400) : width_(width), height_(height) {}

    bool BeginJob(const std::string& title) override {
        jobTitle = title;
        events.push_back("begin");
        if (refuseBegin) return false;
        page_ = 1;
        return true;
    }
    bool NewPage() override {
        if (refusePage == page_ + 1) return false;
        ++page_;
        return true;
    }
    bool EndJob() override {
        events.push_back("end");
        return !refuseEnd;
    }
    void AbortJob() override { events.push_back("abort"); }
    std::string ErrorText() const override { return "printer says no"; }

    int PageNumber() const override { return page_; }
    int PageWidth() const override { return width_; }
    int PageHeight() const override { return height_; }
    int Resolution() const override { return resolution; }

    void SetFont(const std::string& name, int points) override {
        fontName = name;
        size_ = points;
    }
    void SetFontSize(int points) override { size_ = points; }
    void SetFontStyle(FontStyle style) override { style_ = style; }
    void SetTextColour(int colour) override { colour_ = colour; }

    int TextWidth(std::string_view text) override { return int(text.size()) * CharWidth(); }
    int TextHeight(std::string_view) override { return 2 * size_; }
    std::size_t FittingLength(std::string_view text, int width) override {
        return std::min(text.size(), std::size_t(std::max(width, 0) / CharWidth()));
    }
    void DrawText(int x, int y, std::string_view text) override {
        ++drawnTexts;
        if (record) texts.push_back({page_, x, y, Utf8FromCp1251(text), style_, size_, colour_, fill_});
    }

    void SetLine(int colour, int width) override {
        lineColour_ = colour;
        lineWidth_ = width;
    }
    void SetFillColour(int colour) override { fill_ = colour; }
    void DrawLine(int x1, int y1, int x2, int y2) override {
        shapes.push_back({DrawnShape::Line, page_, x1, y1, x2, y2, lineColour_, lineWidth_, fill_});
    }
    void DrawRectangle(int left, int top, int right, int bottom) override {
        shapes.push_back({DrawnShape::Rectangle, page_, left, top, right, bottom, lineColour_, lineWidth_, fill_});
    }

    int CharWidth() const { return size_ + (style_.bold ? 2 : 0); }

    // The texts of each printed line (same page and top) joined, in order.
    std::vector<std::string> Lines() const {
        std::vector<std::string> lines;
        for (size_t i = 0; i < texts.size(); ++i) {
            const bool sameLine = i > 0 && texts[i].page == texts[i - 1].page && texts[i].y == texts[i - 1].y;
            if (sameLine)
                lines.back() += texts[i].text;
            else
                lines.push_back(texts[i].text);
        }
        return lines;
    }

    std::vector<DrawnShape> Shapes(DrawnShape::Kind kind) const {
        std::vector<DrawnShape> found;
        for (const DrawnShape& s : shapes)
            if (s.kind == kind) found.push_back(s);
        return found;
    }

    std::string jobTitle, fontName;
    std::vector<std::string> events;
    std::vector<DrawnText> texts;
    std::vector<DrawnShape> shapes;
    bool record = true; // off: texts are only counted, as benchmarks want
    int resolution = 72;
    long drawnTexts = 0;
    bool refuseBegin = false, refuseEnd = false;
    int refusePage = 0; // the page NewPage refuses to open

private:
    int width_, height_;
    int page_ = 1, size_ = 10;
    FontStyle style_;
    int colour_ = kBlack, fill_ = kWhite, lineColour_ = kBlack, lineWidth_ = 1;
};

class FakePrinterFonts : public PrinterFonts {
public:
    FakePrinterFonts(std::set<std::string> offered, PrintFont current)
        : offered_(std::move(offered)), current_(std::move(current)) {}
    bool Offers(const std::string& name) const override { return offered_.count(name) > 0; }
    PrintFont Current() const override { return current_; }

private:
    std::set<std::string> offered_;
    PrintFont current_;
};

} // namespace mcb::test

// The printer as the report layout sees it: one job of pages drawn in the printer's device units.
// Windows install an adapter on the platform's printing; tests install a double with fixed metrics.
// Texts are Windows-1251.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace mcb {

struct FontStyle {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    friend bool operator==(const FontStyle&, const FontStyle&) = default;
};

inline constexpr FontStyle kPlain{};
inline constexpr FontStyle kBold{true, false, false};
inline constexpr FontStyle kItalic{false, true, false};
inline constexpr FontStyle kUnderlined{false, false, true};
inline constexpr FontStyle kBoldItalic{true, true, false};
inline constexpr FontStyle kBoldUnderlined{true, false, true};

// Colours are 24-bit values with red in the lowest byte (0x00BBGGRR), as the settings file keeps them.
inline constexpr int kBlack = 0x000000;
inline constexpr int kWhite = 0xFFFFFF;

class PrintCanvas {
public:
    virtual ~PrintCanvas() = default;

    // The job: Begin names it and opens page 1; End sends the pages on (a file appears only now);
    // Abort throws away what was drawn. False when the printer refuses; ErrorText() then says why.
    virtual bool BeginJob(const std::string& title) = 0;
    virtual bool NewPage() = 0;
    virtual bool EndJob() = 0;
    virtual void AbortJob() = 0;
    virtual std::string ErrorText() const = 0;

    // 1 on the first page.
    virtual int PageNumber() const = 0;
    // The printable area, fixed for the job, and how many units make an inch.
    virtual int PageWidth() const = 0;
    virtual int PageHeight() const = 0;
    virtual int Resolution() const = 0;

    virtual void SetFont(const std::string& name, int points) = 0;
    virtual void SetFontSize(int points) = 0;
    virtual void SetFontStyle(FontStyle style) = 0;
    virtual void SetTextColour(int colour) = 0;

    // In the current font. A text is exactly as wide as its characters one by one (no kerning), so
    // a piece drawn whole ends where the same characters drawn singly would.
    virtual int TextWidth(std::string_view text) = 0;
    virtual int TextHeight(std::string_view text) = 0;
    // How many leading characters of the text are at most `width` wide together.
    virtual std::size_t FittingLength(std::string_view text, int width) = 0;
    // (x, y) is the top left of the text; its background is filled with the fill colour.
    virtual void DrawText(int x, int y, std::string_view text) = 0;

    virtual void SetLine(int colour, int width) = 0;
    virtual void SetFillColour(int colour) = 0;
    virtual void DrawLine(int x1, int y1, int x2, int y2) = 0;
    // Filled with the fill colour, outlined in the line colour; right and bottom edges excluded.
    virtual void DrawRectangle(int left, int top, int right, int bottom) = 0;
};

} // namespace mcb

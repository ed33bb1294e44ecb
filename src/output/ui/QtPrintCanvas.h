// The print canvas on a printer. Every job is written as a PDF to a temporary file first; only a
// finished job becomes the chosen PDF file (synced, then renamed over the name in one step) or goes
// to the printer's queue, so a cancelled or failed job leaves neither a half-written file nor half a
// printout behind.
#pragma once

#include "output/PrintCanvas.h"
#include "output/PrintFont.h"
#include "platform/posix/KeptHeap.h"
#include "storage/AtomicFile.h"

#include <QColor>
#include <QFont>
#include <QGlyphRun>
#include <QPainter>
#include <QRawFont>
#include <array>
#include <bitset>
#include <map>
#include <memory>
#include <optional>
#include <vector>

class QPrinter;
class QTemporaryFile;

namespace mcb {

// On Linux a printer prints whatever font is installed; its own font is the desktop's general font.
class QtPrinterFonts : public PrinterFonts {
public:
    bool Offers(const std::string& name) const override;
    PrintFont Current() const override;
};

class QtPrintCanvas : public PrintCanvas {
public:
    // `pdfFile`: the native path of the PDF to write; empty to print on the printer's queue.
    QtPrintCanvas(QPrinter& printer, std::string pdfFile);
    ~QtPrintCanvas() override;

    bool BeginJob(const std::string& title) override;
    bool NewPage() override;
    bool EndJob() override;
    void AbortJob() override;
    std::string ErrorText() const override { return error_; }

    int PageNumber() const override { return page_; }
    int PageWidth() const override { return width_; }
    int PageHeight() const override { return height_; }
    int Resolution() const override;

    void SetFont(const std::string& name, int points) override;
    void SetFontSize(int points) override;
    void SetFontStyle(FontStyle style) override;
    void SetTextColour(int colour) override { textColour_ = colour; }

    int TextWidth(std::string_view text) override;
    int TextHeight(std::string_view text) override;
    std::size_t FittingLength(std::string_view text, int width) override;
    void DrawText(int x, int y, std::string_view text) override;

    void SetLine(int colour, int width) override;
    void SetFillColour(int colour) override { fillColour_ = colour; }
    void DrawLine(int x1, int y1, int x2, int y2) override;
    void DrawRectangle(int left, int top, int right, int bottom) override;

private:
    // One size and style of the printing font with its glyphs and advances per Windows-1251 byte.
    // Advances are whole units: glyphs then stand at whole positions, which the PDF writes shortly.
    struct FontFace {
        QFont font;
        QRawFont raw;
        int ascent = 0;
        int height = 0;
        std::array<quint32, 256> glyph{};
        std::array<int, 256> advance{};
        std::bitset<256> drawnByText; // characters the font lacks: Qt draws them with a substitute
    };
    // Consecutive pieces of one line in one face and colours, drawn as one glyph run. Blanks take
    // their room but no glyph.
    struct Run {
        const FontFace* face = nullptr;
        int textColour = 0, fillColour = 0;
        int left = 0, right = 0;
        QList<quint32> glyphs;
        QList<QPointF> positions;
    };

    const FontFace& Face();
    // The runs of one line are drawn together: their backgrounds first, joined where they meet, then
    // their texts and underlines, so that the pen and the brush change as little as possible.
    void Flush();
    void FillBackgrounds();
    void DrawRuns();
    void UsePen(int colour);
    void UseBrush(int colour);
    void DrawSubstituted(int x, int y, std::string_view text);
    bool Deliver();
    void Discard();
    std::string JobFailure(const std::string& printerReason) const;
    void Fail(const std::string& reason);

    QPrinter& printer_;
    std::string pdfFile_;
    std::unique_ptr<PendingFile> pending_;      // the PDF file's new content
    std::unique_ptr<QTemporaryFile> queueFile_; // the job for the printer's queue
    std::optional<KeptHeap> keptHeap_;          // while a job runs
    std::string tempFile_;
    QString savedOutput_;
    QPainter painter_;
    std::string error_;
    int page_ = 0, width_ = 0, height_ = 0;
    QString family_;
    int points_ = 10;
    FontStyle style_;
    std::map<int, std::unique_ptr<FontFace>> faces_;
    const FontFace* face_ = nullptr;
    int textColour_ = kBlack, fillColour_ = kWhite, lineColour_ = kBlack, lineWidth_ = 1;
    std::vector<Run> line_; // the runs of the line at lineTop_ not drawn yet
    int lineTop_ = 0;
    int penColour_ = -1, brushColour_ = -1; // what the painter holds; -1 when it holds no such colour
};

} // namespace mcb

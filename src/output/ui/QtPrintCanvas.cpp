#include "output/ui/QtPrintCanvas.h"

#include "output/ui/PrintQueue.h"
#include "platform/qt/QtText.h"
#include "storage/Literal.h"
#include "storage/WholeFile.h"

#include <QDir>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPrinter>
#include <QTemporaryFile>
#include <algorithm>
#include <fcntl.h>
#include <unistd.h>

namespace mcb {

namespace {

QColor Colour(int rgb) {
    return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
}

int FaceKey(int points, FontStyle style) {
    return points * 8 + (style.bold ? 1 : 0) + (style.italic ? 2 : 0) + (style.underline ? 4 : 0);
}

// A PDF whose end did not reach the disk lacks its closing mark; the writer does not say so itself.
bool EndsAsPdf(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    char tail[64] = {};
    const off_t size = ::lseek(fd, 0, SEEK_END);
    const off_t from = size > off_t(sizeof tail) ? size - off_t(sizeof tail) : 0;
    const ssize_t n = size > 0 ? ::pread(fd, tail, sizeof tail, from) : 0;
    ::close(fd);
    return n > 0 && std::string_view(tail, size_t(n)).find("%%EOF") != std::string_view::npos;
}

} // namespace

bool QtPrinterFonts::Offers(const std::string& name) const {
    return QFontDatabase::families().contains(ToQ(name), Qt::CaseInsensitive);
}

PrintFont QtPrinterFonts::Current() const {
    const QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    return {FromQ(font.family()), font.pointSize() > 0 ? font.pointSize() : 10};
}

QtPrintCanvas::QtPrintCanvas(QPrinter& printer, std::string pdfFile)
    : printer_(printer), pdfFile_(std::move(pdfFile)) {}

QtPrintCanvas::~QtPrintCanvas() {
    if (painter_.isActive()) AbortJob();
}

// The pages go to a temporary file without the ".pdf" ending, so that the printer keeps its kind.
bool QtPrintCanvas::BeginJob(const std::string& title) {
    error_.clear();
    if (pdfFile_.empty()) {
        queueFile_ = std::make_unique<QTemporaryFile>(QDir::tempPath() + "/mirvane-cdbase-XXXXXX");
        if (!queueFile_->open()) return Fail(W("Не удается создать временный файл для печати")), false;
        tempFile_ = PathFromQ(queueFile_->fileName());
    } else {
        pending_ = std::make_unique<PendingFile>(pdfFile_, TempNameFor(pdfFile_, ".", ".part"));
        if (!pending_->Ok()) return Fail(JobFailure({})), false;
        tempFile_ = pending_->TempPath();
    }
    savedOutput_ = printer_.outputFileName();
    printer_.setOutputFileName(PathToQ(tempFile_));
    printer_.setDocName(ToQ(title));
    if (!painter_.begin(&printer_)) {
        Discard();
        return Fail(JobFailure(W("Принтер не может начать печать"))), false;
    }
    page_ = 1;
    width_ = printer_.width();
    height_ = printer_.height();
    return true;
}

bool QtPrintCanvas::NewPage() {
    Flush();
    if (!printer_.newPage()) return Fail(JobFailure(W("Принтер не может начать новую страницу"))), false;
    ++page_;
    return true;
}

bool QtPrintCanvas::EndJob() {
    Flush();
    const bool ended = painter_.end();
    printer_.setOutputFileName(savedOutput_);
    if (!ended || !EndsAsPdf(tempFile_)) {
        Discard();
        return Fail(JobFailure(W("Принтер не может закончить печать"))), false;
    }
    return Deliver();
}

bool QtPrintCanvas::Deliver() {
    bool ok = true;
    if (pending_) {
        ok = pending_->Commit();
        if (!ok) Fail(JobFailure({}));
    } else {
        std::string reason;
        ok = SubmitToQueue(printer_, tempFile_, reason);
        if (!ok) Fail(reason);
    }
    Discard();
    return ok;
}

void QtPrintCanvas::AbortJob() {
    run_ = Run{};
    if (painter_.isActive()) painter_.end();
    printer_.setOutputFileName(savedOutput_);
    Discard();
}

// Removes the temporary file of a job that did not become the chosen file.
void QtPrintCanvas::Discard() {
    pending_.reset();
    queueFile_.reset();
    tempFile_.clear();
}

// A PDF job that fails always names its file; a printer's job says what the printer did.
std::string QtPrintCanvas::JobFailure(const std::string& printerReason) const {
    return pdfFile_.empty() ? printerReason : W("Не удается записать файл ") + FromQ(PathToQ(pdfFile_));
}

void QtPrintCanvas::Fail(const std::string& reason) {
    error_ = reason;
}

void QtPrintCanvas::SetFont(const std::string& name, int points) {
    family_ = ToQ(name);
    points_ = points;
    faces_.clear();
    face_ = nullptr;
}

void QtPrintCanvas::SetFontSize(int points) {
    points_ = points;
    face_ = nullptr;
}

void QtPrintCanvas::SetFontStyle(FontStyle style) {
    style_ = style;
    face_ = nullptr;
}

// Every character advances by its own width: no kerning, and glyphs are placed one by one, so no
// ligature joins two of them.
const QtPrintCanvas::FontFace& QtPrintCanvas::Face() {
    if (face_) return *face_;
    auto& face = faces_[FaceKey(points_, style_)];
    if (!face) {
        face = std::make_unique<FontFace>();
        QFont font(family_, points_);
        font.setKerning(false);
        font.setBold(style_.bold);
        font.setItalic(style_.italic);
        font.setUnderline(style_.underline);
        painter_.setFont(font);
        face->font = painter_.font();
        face->raw = QRawFont::fromFont(face->font);
        const QFontMetricsF metrics(face->font, &printer_);
        face->ascent = metrics.ascent();
        face->height = qRound(metrics.height());
        for (int byte = 0; byte < 256; ++byte) {
            const QString text = ToQ(std::string(1, char(byte)));
            const QList<quint32> glyphs = face->raw.glyphIndexesForString(text);
            const bool own = glyphs.size() == 1 && glyphs[0] != 0 && face->raw.supportsCharacter(text[0]);
            face->drawnByText[byte] = !own;
            face->glyph[byte] = own ? glyphs[0] : 0;
            face->advance[byte] =
                own ? face->raw.advancesForGlyphIndexes(glyphs).value(0).x() : metrics.horizontalAdvance(text);
        }
    }
    return *(face_ = face.get());
}

int QtPrintCanvas::TextWidth(std::string_view text) {
    const FontFace& face = Face();
    qreal width = 0;
    for (unsigned char c : text) width += face.advance[c];
    return qRound(width);
}

int QtPrintCanvas::TextHeight(std::string_view) {
    return Face().height;
}

// Pieces that continue the pending run on the same line in the same face and colours join it.
void QtPrintCanvas::DrawText(int x, int y, std::string_view text) {
    const FontFace& face = Face();
    for (unsigned char c : text)
        if (face.drawnByText[c]) return DrawSubstituted(x, y, text);
    const bool joins = run_.face == &face && run_.top == y && run_.right == x && run_.textColour == textColour_ &&
                       run_.fillColour == fillColour_;
    if (!joins) {
        Flush();
        run_ = Run{&face, textColour_, fillColour_, x, x, y, {}, {}, style_.underline};
    }
    qreal pen = x - run_.left;
    for (unsigned char c : text) {
        run_.glyphs.push_back(face.glyph[c]);
        run_.positions.push_back(QPointF(pen, 0));
        pen += face.advance[c];
    }
    run_.right = x + TextWidth(text);
}

// The underline is drawn here, under the whole run, at the font's own place and thickness.
void QtPrintCanvas::Flush() {
    if (!run_.face) return;
    const FontFace& face = *run_.face;
    const QColor text = Colour(run_.textColour);
    painter_.fillRect(QRect(run_.left, run_.top, run_.right - run_.left, face.height), Colour(run_.fillColour));
    QGlyphRun glyphs;
    glyphs.setRawFont(face.raw);
    glyphs.setGlyphIndexes(run_.glyphs);
    glyphs.setPositions(run_.positions);
    painter_.setPen(text);
    const qreal baseline = run_.top + face.ascent;
    painter_.drawGlyphRun(QPointF(run_.left, baseline), glyphs);
    if (run_.underline) {
        const qreal thickness = std::max<qreal>(1, face.raw.lineThickness());
        painter_.fillRect(QRectF(run_.left, baseline + face.raw.underlinePosition(), run_.right - run_.left, thickness),
                          text);
    }
    run_ = Run{};
}

// A character the font lacks is drawn by Qt with a font that has it.
void QtPrintCanvas::DrawSubstituted(int x, int y, std::string_view text) {
    Flush();
    const FontFace& face = Face();
    painter_.fillRect(QRect(x, y, TextWidth(text), face.height), Colour(fillColour_));
    painter_.setFont(face.font);
    painter_.setPen(Colour(textColour_));
    painter_.drawText(QPointF(x, y + face.ascent), ToQ(std::string(text)));
}

void QtPrintCanvas::SetLine(int colour, int width) {
    lineColour_ = colour;
    lineWidth_ = width;
}

void QtPrintCanvas::DrawLine(int x1, int y1, int x2, int y2) {
    Flush();
    painter_.setPen(QPen(Colour(lineColour_), lineWidth_, Qt::SolidLine, Qt::FlatCap));
    painter_.drawLine(x1, y1, x2, y2);
}

void QtPrintCanvas::DrawRectangle(int left, int top, int right, int bottom) {
    Flush();
    painter_.setPen(QPen(Colour(lineColour_), lineWidth_));
    painter_.setBrush(Colour(fillColour_));
    painter_.drawRect(QRect(left, top, right - left - 1, bottom - top - 1));
    painter_.setBrush(Qt::NoBrush);
}

} // namespace mcb

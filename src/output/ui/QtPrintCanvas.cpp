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
    keptHeap_.emplace();
    savedOutput_ = printer_.outputFileName();
    printer_.setOutputFileName(PathToQ(tempFile_));
    printer_.setDocName(ToQ(title));
    if (!painter_.begin(&printer_)) {
        Discard();
        return Fail(JobFailure(W("Принтер не может начать печать"))), false;
    }
    page_ = 1;
    penColour_ = brushColour_ = -1;
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
    line_.clear();
    if (painter_.isActive()) painter_.end();
    printer_.setOutputFileName(savedOutput_);
    Discard();
}

// Removes the temporary file of a job that did not become the chosen file.
void QtPrintCanvas::Discard() {
    pending_.reset();
    queueFile_.reset();
    tempFile_.clear();
    keptHeap_.reset();
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

// Every character advances by its own width, rounded to a whole unit: no kerning, and glyphs are
// placed one by one, so no ligature joins two of them.
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
        face->ascent = qRound(metrics.ascent());
        face->height = qRound(metrics.height());
        for (int byte = 0; byte < 256; ++byte) {
            const QString text = ToQ(std::string(1, char(byte)));
            const QList<quint32> glyphs = face->raw.glyphIndexesForString(text);
            const bool own = glyphs.size() == 1 && glyphs[0] != 0 && face->raw.supportsCharacter(text[0]);
            face->drawnByText[byte] = !own;
            face->glyph[byte] = own ? glyphs[0] : 0;
            face->advance[byte] =
                qRound(own ? face->raw.advancesForGlyphIndexes(glyphs).value(0).x() : metrics.horizontalAdvance(text));
        }
    }
    return *(face_ = face.get());
}

int QtPrintCanvas::Resolution() const {
    return printer_.resolution();
}

int QtPrintCanvas::TextWidth(std::string_view text) {
    const FontFace& face = Face();
    int width = 0;
    for (unsigned char c : text) width += face.advance[c];
    return width;
}

int QtPrintCanvas::TextHeight(std::string_view) {
    return Face().height;
}

std::size_t QtPrintCanvas::FittingLength(std::string_view text, int width) {
    const FontFace& face = Face();
    std::size_t fits = 0;
    for (int used = 0; fits < text.size(); ++fits) {
        used += face.advance[static_cast<unsigned char>(text[fits])];
        if (used > width) break;
    }
    return fits;
}

// Pieces that continue the last run on the same line in the same face and colours join it.
void QtPrintCanvas::DrawText(int x, int y, std::string_view text) {
    const FontFace& face = Face();
    for (unsigned char c : text)
        if (face.drawnByText[c]) return DrawSubstituted(x, y, text);
    if (!line_.empty() && y != lineTop_) Flush();
    lineTop_ = y;
    const bool joins = !line_.empty() && line_.back().face == &face && line_.back().right == x &&
                       line_.back().textColour == textColour_ && line_.back().fillColour == fillColour_;
    if (!joins) line_.push_back(Run{&face, textColour_, fillColour_, x, x, {}, {}});
    Run& run = line_.back();
    int pen = x - run.left;
    for (unsigned char c : text) {
        if (c != ' ') {
            run.glyphs.push_back(face.glyph[c]);
            run.positions.push_back(QPointF(pen, 0));
        }
        pen += face.advance[c];
    }
    run.right = run.left + pen;
}

void QtPrintCanvas::Flush() {
    if (line_.empty()) return;
    FillBackgrounds();
    DrawRuns();
    line_.clear();
}

// Runs that meet in one fill colour and height get one rectangle.
void QtPrintCanvas::FillBackgrounds() {
    painter_.setPen(Qt::NoPen);
    penColour_ = -1;
    for (std::size_t i = 0; i < line_.size();) {
        std::size_t j = i + 1;
        while (j < line_.size() && line_[j].left == line_[j - 1].right && line_[j].fillColour == line_[i].fillColour &&
               line_[j].face->height == line_[i].face->height)
            ++j;
        UseBrush(line_[i].fillColour);
        painter_.drawRect(QRect(line_[i].left, lineTop_, line_[j - 1].right - line_[i].left, line_[i].face->height));
        i = j;
    }
}

// The runs of one face and colour go as one glyph run, however other runs stand between them: the
// PDF then holds one text object for them. The underline is drawn under each run, at the font's own
// place and thickness.
void QtPrintCanvas::DrawRuns() {
    std::vector<bool> drawn(line_.size());
    for (std::size_t i = 0; i < line_.size(); ++i) {
        if (drawn[i]) continue;
        const Run& first = line_[i];
        QList<quint32> indexes;
        QList<QPointF> positions;
        for (std::size_t j = i; j < line_.size(); ++j) {
            const Run& run = line_[j];
            if (drawn[j] || run.face != first.face || run.textColour != first.textColour) continue;
            drawn[j] = true;
            indexes += run.glyphs;
            for (const QPointF& at : run.positions) positions.push_back(at + QPointF(run.left - first.left, 0));
        }
        if (indexes.isEmpty()) continue;
        UsePen(first.textColour);
        QGlyphRun glyphs;
        glyphs.setRawFont(first.face->raw);
        glyphs.setGlyphIndexes(indexes);
        glyphs.setPositions(positions);
        painter_.drawGlyphRun(QPointF(first.left, lineTop_ + first.face->ascent), glyphs);
    }
    for (const Run& run : line_) {
        if (!run.face->font.underline()) continue;
        painter_.setPen(Qt::NoPen);
        penColour_ = -1;
        UseBrush(run.textColour);
        const qreal thickness = std::max<qreal>(1, run.face->raw.lineThickness());
        const qreal under = lineTop_ + run.face->ascent + run.face->raw.underlinePosition();
        painter_.drawRect(QRectF(run.left, under, run.right - run.left, thickness));
    }
}

void QtPrintCanvas::UsePen(int colour) {
    if (penColour_ == colour) return;
    painter_.setPen(Colour(colour));
    penColour_ = colour;
}

void QtPrintCanvas::UseBrush(int colour) {
    if (brushColour_ == colour) return;
    painter_.setBrush(Colour(colour));
    brushColour_ = colour;
}

// A character the font lacks is drawn by Qt with a font that has it.
void QtPrintCanvas::DrawSubstituted(int x, int y, std::string_view text) {
    Flush();
    const FontFace& face = Face();
    painter_.fillRect(QRect(x, y, TextWidth(text), face.height), Colour(fillColour_));
    painter_.setFont(face.font);
    UsePen(textColour_);
    painter_.drawText(QPointF(x, y + face.ascent), ToQ(std::string(text)));
}

void QtPrintCanvas::SetLine(int colour, int width) {
    lineColour_ = colour;
    lineWidth_ = width;
}

void QtPrintCanvas::DrawLine(int x1, int y1, int x2, int y2) {
    Flush();
    painter_.setPen(QPen(Colour(lineColour_), lineWidth_, Qt::SolidLine, Qt::FlatCap));
    penColour_ = -1;
    painter_.drawLine(x1, y1, x2, y2);
}

void QtPrintCanvas::DrawRectangle(int left, int top, int right, int bottom) {
    Flush();
    painter_.setPen(QPen(Colour(lineColour_), lineWidth_));
    penColour_ = -1;
    UseBrush(fillColour_);
    painter_.drawRect(QRect(left, top, right - left - 1, bottom - top - 1));
}

} // namespace mcb

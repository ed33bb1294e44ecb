#include "catalogue/ui/CellPainter.h"

#include "catalogue/TableTypes.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPalette>
#include <QRect>

namespace mcb {

namespace {

constexpr int kSortMarkIndent = 8;

// The small downward arrow of the sort column: a two-pixel shaft with a two-line head.
void PaintSortArrow(QPainter& painter, const QRect& cell, const QColor& colour) {
    const int x = cell.left();
    const int y = cell.top();
    painter.fillRect(QRect(x + 4, y + 1, 2, 11), colour);
    painter.fillRect(QRect(x + 2, y + 10, 5, 1), colour);
    painter.fillRect(QRect(x + 3, y + 11, 3, 1), colour);
}

QColor FillOf(const CellState& state, const QPalette& palette) {
    if (state.selected) return palette.color(QPalette::Active, QPalette::Highlight);
    if (state.heading) return palette.color(QPalette::Active, QPalette::Button);
    return palette.color(QPalette::Active, QPalette::Base);
}

QColor InkOf(const CellState& state, const QPalette& palette) {
    return palette.color(QPalette::Active, state.selected ? QPalette::HighlightedText : QPalette::Text);
}

} // namespace

QColor ColourFromStored(int value) {
    return QColor(value & 0xff, (value >> 8) & 0xff, (value >> 16) & 0xff);
}

QString CutToWidth(const QString& text, const QFontMetrics& metrics, int maxWidth) {
    if (metrics.horizontalAdvance(text) <= maxWidth) return text;
    // The longest prefix that fits, found by halving instead of removing one character at a time.
    qsizetype low = 0;
    qsizetype high = text.size() - 1;
    while (low < high) {
        const qsizetype middle = (low + high + 1) / 2;
        if (metrics.horizontalAdvance(text.left(middle)) <= maxWidth)
            low = middle;
        else
            high = middle - 1;
    }
    QString fitted = text.left(low);
    while (!fitted.isEmpty() && metrics.horizontalAdvance(fitted) > maxWidth) fitted.chop(1);
    return fitted;
}

int CellWidthToShow(const QString& text, const QFontMetrics& metrics) {
    return metrics.horizontalAdvance(text) + 2;
}

int HeadingWidthToShow(const QString& heading, const QFont& font) {
    QFont bold = font;
    bold.setBold(true);
    return kSortMarkIndent + CellWidthToShow(heading, QFontMetrics(bold));
}

void PaintCatalogueCell(QPainter& painter, const QRect& rect, QString text, const CellState& state,
                        const TableColours& colours, const QPalette& palette, const QFont& font) {
    if (rect.width() <= 0 || rect.height() <= 0) return;
    painter.save();
    painter.setClipRect(rect);
    painter.fillRect(rect, FillOf(state, palette));

    QFont cellFont = font;
    cellFont.setBold(state.heading);
    QColor ink = InkOf(state, palette);
    if (colours.dolgColor && !state.heading && state.lent) {
        ink = colours.lent;
        cellFont.setBold(true);
    }

    const QString newMark = QString::fromLatin1(kNewMark);
    const qsizetype markAt = state.column == 1 ? text.indexOf(newMark) : -1;
    if (markAt >= 0) text.remove(markAt, newMark.size());

    int indent = 0;
    if (state.heading && text.startsWith(QLatin1Char('#'))) {
        text.remove(0, 1);
        indent = kSortMarkIndent;
        PaintSortArrow(painter, rect, palette.color(QPalette::Active, QPalette::Highlight));
    }

    const QFontMetrics metrics(cellFont);
    const int room = rect.width() - indent - 1;
    text = CutToWidth(text, metrics, room);
    const int x = rect.left() + 1 + indent;
    const int baseline = rect.top() + 1 + metrics.ascent();
    if (!text.isEmpty()) {
        painter.setFont(cellFont);
        painter.setPen(ink);
        painter.drawText(x, baseline, text);
    }
    if (markAt >= 0) {
        const int titleWidth = metrics.horizontalAdvance(text);
        QFont markFont = cellFont;
        markFont.setBold(true);
        const QString mark = CutToWidth(newMark, QFontMetrics(markFont), room - titleWidth);
        if (!mark.isEmpty()) {
            painter.setFont(markFont);
            painter.setPen(colours.newMark);
            painter.drawText(x + titleWidth, baseline, mark);
        }
    }
    painter.restore();
}

} // namespace mcb

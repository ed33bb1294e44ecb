// Drawing of one cell of the catalogue table, shared by the data cells and the heading row: the
// fill, the bold heading, lent discs in the lent-disc colour, the new mark after the title, the sort
// mark of the heading and the cutting of texts that do not fit (no ellipsis).
#pragma once

#include <QColor>
#include <QString>

class QFont;
class QFontMetrics;
class QPainter;
class QPalette;
class QRect;

namespace mcb {

// The running table colours (from the settings section "Printer") and the lent-disc switch.
struct TableColours {
    QColor lent{0xff, 0x3f, 0x00};    // InfoColor 16383
    QColor newMark{0x00, 0xff, 0x00}; // NewColor 65280
    bool dolgColor = true;
};

// A stored colour value: red in the lowest byte, then green, then blue.
QColor ColourFromStored(int value);

struct CellState {
    int column = 0;
    bool heading = false;
    bool selected = false;
    bool lent = false; // the row's debtor is not "-1"
};

void PaintCatalogueCell(QPainter& painter, const QRect& rect, QString text, const CellState& state,
                        const TableColours& colours, const QPalette& palette, const QFont& font);

// The text with characters removed from its end until it is at most maxWidth pixels wide.
QString CutToWidth(const QString& text, const QFontMetrics& metrics, int maxWidth);

// Width of a cell that shows the text whole: the pixel before the text and one free after it.
int CellWidthToShow(const QString& text, const QFontMetrics& metrics);

// Width of a heading cell that shows the heading whole in the bold heading font, with room for the
// sort mark should the column become the sort column.
int HeadingWidthToShow(const QString& heading, const QFont& font);

} // namespace mcb

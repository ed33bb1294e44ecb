// What the windows share for working without a mouse: menu captions that show a command's key, the
// caption as a screen reader should say it, and the order in which Tab visits a window's controls.
#pragma once

#include <QString>
#include <initializer_list>

class QKeyEvent;
class QMenuBar;
class QPainter;
class QRect;
class QWidget;

namespace mcb {

// The caption followed by the key as the desktop writes it ("Добавить в базу\tIns"); the menu shows
// the key in its own column. The key stays the window's own business: it is not made a shortcut.
QString CaptionWithKey(const QString& caption, int key);

// A caption without its mnemonic marks and without the key column: "&Открыть ...\tCtrl+O" gives
// "Открыть ...". A doubled "&&" stands for one ampersand.
QString PlainCaption(const QString& caption);

// Enter (either key), pressed and not repeated: what a double click does.
bool IsEnterKey(const QKeyEvent& event);
// Enter or Space, pressed and not repeated: what a click or double click on the control does.
bool IsActivationKey(const QKeyEvent& event);
// Shift+F10, the desktops' key for the context menu besides the menu key itself.
bool IsContextMenuKey(const QKeyEvent& event);

// The style's focus frame over the rectangle, for the program's own controls while they have the focus.
void DrawFocusFrame(QPainter& painter, const QWidget& widget, const QRect& rect);

// Tab visits the widgets in this order (and Shift+Tab backwards).
void SetTabChain(std::initializer_list<QWidget*> widgets);

// Alt pressed and released alone puts the menu bar into keyboard mode (first title highlighted,
// arrows move, Down or Enter opens), as on the desktops that offer it, whatever the widget style.
void NavigateMenuBarByAlt(QMenuBar& bar);

} // namespace mcb

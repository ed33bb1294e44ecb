// Driving windows by the keyboard alone: typing any text (Cyrillic included), Tab through a window,
// and what a screen reader is told about a control.
#pragma once

#include <QString>
#include <QStringList>
#include <Qt>

class QWidget;

namespace mcb::test {

// Types the text into the widget, one key event per character, as a keyboard with the matching
// layout sends it (with Alt: the letters of mnemonics).
void TypeKeys(QWidget* widget, const QString& text, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

// The name of the control that has the window's focus; an unnamed inner part (the line edit of a spin
// box) stands for the control it belongs to.
QString FocusedControl(const QWidget& window);

// Presses Tab in the window from the control with the focus until the focus comes back to it; the
// controls visited, the starting one first (without one, from the first control). Stops after 100
// presses.
QStringList TabChain(QWidget& window);

// Presses Tab until the named control has the focus; false when it never gets it.
bool TabTo(QWidget& window, const QString& control);

// The controls of the window that Tab may give the focus to now (shown, enabled, taking Tab focus),
// named as FocusedControl names them, sorted.
QStringList TabControls(const QWidget& window);

// What a screen reader says the widget is called.
QString AccessibleName(QWidget* widget);

} // namespace mcb::test

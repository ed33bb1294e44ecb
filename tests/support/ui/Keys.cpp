#include "support/ui/Keys.h"

#include <QAccessible>
#include <QTest>
#include <QWidget>

namespace mcb::test {

namespace {

QString ControlName(const QWidget* widget) {
    while (widget && (widget->objectName().isEmpty() || widget->objectName().startsWith(QLatin1String("qt_"))))
        widget = widget->parentWidget();
    return widget ? widget->objectName() : QString();
}

} // namespace

void TypeKeys(QWidget* widget, const QString& text, Qt::KeyboardModifiers modifiers) {
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key(c.toUpper().unicode()), QString(c), modifiers);
}

QString FocusedControl(const QWidget& window) {
    return ControlName(window.focusWidget());
}

QStringList TabChain(QWidget& window) {
    if (!window.focusWidget()) QTest::keyClick(&window, Qt::Key_Tab); // a window shown but not yet active
    QStringList chain{FocusedControl(window)};
    QWidget* const start = window.focusWidget();
    for (int i = 0; i < 100 && start; ++i) {
        QTest::keyClick(window.focusWidget(), Qt::Key_Tab);
        if (window.focusWidget() == start) break;
        chain << FocusedControl(window);
    }
    return chain;
}

bool TabTo(QWidget& window, const QString& control) {
    for (int i = 0; i < 100 && window.focusWidget(); ++i) {
        if (FocusedControl(window) == control) return true;
        QTest::keyClick(window.focusWidget(), Qt::Key_Tab);
    }
    return false;
}

QStringList TabControls(const QWidget& window) {
    QStringList names;
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        if (widget->window() != &window || !widget->isVisibleTo(&window) || !widget->isEnabled() ||
            !(widget->focusPolicy() & Qt::TabFocus))
            continue;
        const QString name = ControlName(widget);
        if (!names.contains(name)) names << name;
    }
    names.sort();
    return names;
}

QString AccessibleName(QWidget* widget) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name) : QString();
}

} // namespace mcb::test

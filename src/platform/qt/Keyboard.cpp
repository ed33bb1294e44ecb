#include "platform/qt/Keyboard.h"

#include <QKeyEvent>
#include <QKeySequence>
#include <QMenuBar>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOptionFocusRect>

namespace mcb {

namespace {

// The widget style of the application with one change: Alt alone reaches the menu bar.
class AltNavigationStyle : public QProxyStyle {
public:
    explicit AltNavigationStyle(QStyle* base) : QProxyStyle(base) {}
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* data) const override {
        if (hint == SH_MenuBar_AltKeyNavigation) return 1;
        return QProxyStyle::styleHint(hint, option, widget, data);
    }
};

} // namespace

QString CaptionWithKey(const QString& caption, int key) {
    return caption + QLatin1Char('\t') + QKeySequence(key).toString(QKeySequence::NativeText);
}

QString PlainCaption(const QString& caption) {
    const QString shown = caption.section(QLatin1Char('\t'), 0, 0);
    QString plain;
    for (qsizetype i = 0; i < shown.size(); ++i) {
        if (shown[i] == QLatin1Char('&') && i + 1 < shown.size()) ++i;
        plain += shown[i];
    }
    return plain;
}

bool IsEnterKey(const QKeyEvent& event) {
    return (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter) && !event.isAutoRepeat();
}

bool IsActivationKey(const QKeyEvent& event) {
    return IsEnterKey(event) || (event.key() == Qt::Key_Space && !event.isAutoRepeat());
}

bool IsContextMenuKey(const QKeyEvent& event) {
    return event.key() == Qt::Key_F10 && event.modifiers() == Qt::ShiftModifier;
}

void DrawFocusFrame(QPainter& painter, const QWidget& widget, const QRect& rect) {
    QStyleOptionFocusRect frame;
    frame.initFrom(&widget);
    frame.rect = rect;
    widget.style()->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, &painter, &widget);
}

void SetTabChain(std::initializer_list<QWidget*> widgets) {
    QWidget* previous = nullptr;
    for (QWidget* widget : widgets) {
        if (previous) QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

void NavigateMenuBarByAlt(QMenuBar& bar) {
    QStyle* base = QStyleFactory::create(bar.style()->name());
    auto* style = new AltNavigationStyle(base); // takes the base style
    style->setParent(&bar);
    bar.setStyle(style);
}

} // namespace mcb

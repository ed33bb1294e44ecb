#include "lists/ui/SpinEdit.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace mcb {

SpinEdit::SpinEdit(const char* name, SpinRange range, QWidget* parent) : QSpinBox(parent), range_(range) {
    setObjectName(name);
    setRange(range.lowest, range.highest);
    lineEdit()->setMaxLength(range.maxLength);
}

bool SpinEdit::Accepts(QChar c) const {
    const QString separator = locale().decimalPoint();
    return SpinAcceptsChar(c.unicode(), separator.isEmpty() ? U'.' : separator.front().unicode());
}

// Every text of accepted characters may stand while it is typed; one that is not a number yet
// ("", "-") is fixed up to the lower bound when the field is left.
QValidator::State SpinEdit::validate(QString& text, int&) const {
    for (const QChar c : text)
        if (!Accepts(c)) return QValidator::Invalid;
    bool number = false;
    text.toLongLong(&number);
    return number ? QValidator::Acceptable : QValidator::Intermediate;
}

int SpinEdit::valueFromText(const QString& text) const {
    return SpinValue(text.toStdString(), range_);
}

void SpinEdit::fixup(QString& input) const {
    input = QString::number(valueFromText(input));
}

void SpinEdit::keyPressEvent(QKeyEvent* event) {
    const QString typed = event->text();
    if (typed.size() == 1 && typed.front().isPrint() && !Accepts(typed.front())) {
        QApplication::beep();
        return;
    }
    QSpinBox::keyPressEvent(event);
}

} // namespace mcb

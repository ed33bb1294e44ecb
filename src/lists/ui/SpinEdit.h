// A number field of the settings dialog: it takes only digits, signs and the decimal separator
// (anything else is refused with a beep), brings a value outside its range to the nearest bound and
// reads text that is not a whole number as the lower bound.
#pragma once

#include "lists/SetupDialog.h"

#include <QSpinBox>

namespace mcb {

class SpinEdit : public QSpinBox {
    Q_OBJECT
public:
    SpinEdit(const char* name, SpinRange range, QWidget* parent);

protected:
    QValidator::State validate(QString& text, int& pos) const override;
    int valueFromText(const QString& text) const override;
    void fixup(QString& input) const override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool Accepts(QChar c) const;

    SpinRange range_;
};

} // namespace mcb

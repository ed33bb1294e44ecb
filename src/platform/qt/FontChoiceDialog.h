// The font choice of the prompts: an installed font (nothing else can be typed) and a size within the
// range the caller allows.
#pragma once

#include "platform/Services.h"

#include <QDialog>

class QFontComboBox;
class QSpinBox;

namespace mcb {

class FontChoiceDialog : public QDialog {
    Q_OBJECT
public:
    FontChoiceDialog(const FontChoice& current, int minPoints, int maxPoints, QWidget* parent = nullptr);
    FontChoice Chosen() const;

    QFontComboBox* family = nullptr;
    QSpinBox* size = nullptr;
};

} // namespace mcb

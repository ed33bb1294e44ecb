#include "platform/qt/FontChoiceDialog.h"

#include "platform/qt/QtText.h"

#include <QDialogButtonBox>
#include <QFontComboBox>
#include <QFormLayout>
#include <QSpinBox>
#include <algorithm>

namespace mcb {

FontChoiceDialog::FontChoiceDialog(const FontChoice& current, int minPoints, int maxPoints, QWidget* parent)
    : QDialog(parent) {
    setObjectName("FontDialog");
    setWindowTitle(QStringLiteral("Шрифт"));
    family = new QFontComboBox(this);
    family->setObjectName("FontFamily");
    family->setEditable(false);
    family->setCurrentFont(QFont(ToQ(current.family)));
    size = new QSpinBox(this);
    size->setObjectName("FontSize");
    size->setRange(minPoints, maxPoints);
    size->setValue(std::clamp(current.points, minPoints, maxPoints));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("Шрифт:"), family);
    form->addRow(QStringLiteral("Размер:"), size);
    form->addRow(buttons);
}

FontChoice FontChoiceDialog::Chosen() const {
    return {FromQ(family->currentFont().family()), size->value()};
}

} // namespace mcb

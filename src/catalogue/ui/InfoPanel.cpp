#include "catalogue/ui/InfoPanel.h"

#include "catalogue/MainWindowRules.h"

#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>

namespace mcb {

namespace {
constexpr int kFontPixels = 11;
}

InfoPanel::InfoPanel(QWidget* parent) : QWidget(parent) {
    setObjectName("InfoPan");
    setMinimumWidth(kInfoPanelMinWidth);
    QFont small = font();
    small.setPixelSize(kFontPixels);
    setFont(small);
    auto* group = new QGroupBox(QString::fromUtf8(" Информация о базе "), this);
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->setSpacing(2);
    groupLayout->setContentsMargins(4, 4, 2, 4);
    const char* names[] = {"LaAll", "LaNal", "LaAllVisi", "LaNalVisi"};
    for (int i = 0; i < 4; ++i) {
        counters_[i] = new QLabel(group);
        counters_[i]->setObjectName(QString::fromLatin1(names[i]));
        groupLayout->addWidget(counters_[i]);
    }
    layout_ = new QVBoxLayout(this);
    layout_->setContentsMargins(2, 2, 2, 2);
    layout_->addWidget(group);
    layout_->addStretch(1);
}

void InfoPanel::SetInfoGroup(QWidget* group) {
    delete layout_->takeAt(1); // the stretch that kept the counters at the top
    layout_->addWidget(group, 1);
    group->show(); // taking a new parent hid it
}

// The panel is never narrower than its counters in the current font: no digit may be cut off.
void InfoPanel::SetCounters(const std::array<QString, 4>& texts) {
    for (int i = 0; i < 4; ++i) counters_[i]->setText(texts[i]);
    counters_[0]->parentWidget()->updateGeometry(); // the group's new size reaches the layout at once
    setMinimumWidth(std::max(kInfoPanelMinWidth, layout_->minimumSize().width()));
}

} // namespace mcb

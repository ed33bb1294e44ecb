// The information panel `InfoPan` right of the table: the group " Информация о базе " with the four
// counters of the last table build, and below it the disc information group when one is set.
#pragma once

#include <QWidget>
#include <array>

class QLabel;
class QVBoxLayout;

namespace mcb {

class InfoPanel : public QWidget {
    Q_OBJECT
public:
    explicit InfoPanel(QWidget* parent = nullptr);

    // LaAll, LaNal, LaAllVisi, LaNalVisi in this order.
    void SetCounters(const std::array<QString, 4>& texts);
    // Puts the group below the counters, shown, taking the panel's remaining height; the panel owns it.
    void SetInfoGroup(QWidget* group);

private:
    std::array<QLabel*, 4> counters_{};
    QVBoxLayout* layout_ = nullptr;
};

} // namespace mcb

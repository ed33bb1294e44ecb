// The information panel `InfoPan` right of the table; for now its group " Информация о базе " with
// the four counters of the last table build.
#pragma once

#include <QWidget>
#include <array>

class QLabel;

namespace mcb {

class InfoPanel : public QWidget {
    Q_OBJECT
public:
    explicit InfoPanel(QWidget* parent = nullptr);

    // LaAll, LaNal, LaAllVisi, LaNalVisi in this order.
    void SetCounters(const std::array<QString, 4>& texts);

private:
    std::array<QLabel*, 4> counters_{};
};

} // namespace mcb

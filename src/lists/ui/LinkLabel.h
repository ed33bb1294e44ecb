// A label that acts as a link: a hand cursor, and a signal when it is clicked with the left button or
// Enter is pressed while it has the focus (Tab reaches it; it shows a focus frame then).
#pragma once

#include <QLabel>

namespace mcb {

class LinkLabel : public QLabel {
    Q_OBJECT
public:
    LinkLabel(const char* name, const QString& text, QWidget* parent);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

} // namespace mcb

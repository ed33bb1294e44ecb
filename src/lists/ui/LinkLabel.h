// A label that acts as a link: a hand cursor, and a signal when it is clicked with the left button.
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
};

} // namespace mcb

#include "discs/ui/MemoLook.h"

#include <QApplication>
#include <QPlainTextEdit>

namespace mcb {

void ShowAsWindowFace(QPlainTextEdit* memo) {
    memo->setReadOnly(true);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette colours = memo->palette();
    colours.setColor(QPalette::Base, QApplication::palette().color(QPalette::Window));
    memo->setPalette(colours);
}

} // namespace mcb

#include "discs/ui/ProgramFront.h"

#include <QCoreApplication>
#include <QWidget>

namespace mcb {

void BringProgramToFront(QWidget* window) {
    QWidget* main = window->parentWidget() ? window->parentWidget()->window() : window->window();
    const Qt::WindowStates state = main->windowState() & ~Qt::WindowMinimized;
    main->setWindowState(state | Qt::WindowMinimized);
    QCoreApplication::processEvents();
    main->setWindowState(state);
    QCoreApplication::processEvents();
    window->window()->raise();
    window->window()->activateWindow();
}

} // namespace mcb

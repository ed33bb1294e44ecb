// Bringing the program back in front after another program (the mail program) took the screen.
#pragma once

class QWidget;

namespace mcb {

// Minimises the program's main window, lets the window system catch up, restores it and activates
// `window`: a window manager that keeps a new program in front still hands the focus back this way.
void BringProgramToFront(QWidget* window);

} // namespace mcb

// Icons of the main window's commands and of the column toggles, from the desktop theme where it has
// them and otherwise from the widget style or drawn here.
#pragma once

#include <QIcon>
#include <array>

class QStyle;

namespace mcb {

// Icon of the command with the given control name (mmNewBase, ...); a null icon for none.
QIcon CommandIcon(const QString& controlName, const QStyle& style);

// The two images of the column toggles ("onoff"): 0 hidden column (closed eye), 1 shown (open eye).
std::array<QIcon, 2> OnOffIcons();

} // namespace mcb

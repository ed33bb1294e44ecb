// The program's help: HTML pages shipped with it, one per help topic, shown in a help window.
#pragma once

#include <QString>

class QWidget;

namespace mcb {

// Folder of the help pages (see FindHelpDirectory); empty when there are none.
QString HelpDirectory();

// Shows topic N (0 = contents) in the help window; false when its page is missing, so that the
// caller can say "Не найден файл справки".
bool ShowHelpTopic(QWidget* parent, int topic);

} // namespace mcb

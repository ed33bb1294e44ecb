// The program's help: HTML pages shipped with it, one per help topic, shown in a help window.
#pragma once

#include <QString>

class QKeyEvent;
class QWidget;

namespace mcb {

class Prompts;

// Folder of the help pages (see FindHelpDirectory); empty when there are none.
QString HelpDirectory();

// Shows topic N (0 = contents) in the help window; false when its page is missing, so that the
// caller can say "Не найден файл справки".
bool ShowHelpTopic(QWidget* parent, int topic);

// For a window's key handler: on F1 shows the topic, or says "Не найден файл справки" through the
// prompts, and returns true; any other key is left to the window.
bool HelpKey(QWidget* window, const QKeyEvent& event, int topic, Prompts& prompts);

} // namespace mcb

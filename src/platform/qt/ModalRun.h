// How the program's windows are shown modally. The program runs each window's own event loop; a
// test queues scripts instead, each playing the user's part on the next window shown, so that no
// test has to wait for a window to come up.
#pragma once

#include <functional>

class QDialog;

namespace mcb {

// Shows the window modally and returns its result (QDialog::Accepted or Rejected). With a script
// queued, the window is shown without an event loop, the script acts on it, and a window the script
// left open is closed as by Cancel.
int RunModal(QDialog& dialog);

// When the program must end without anyone at the screen (a signal, the end of the session): every
// window shown modally now is closed as by Cancel, and from then on RunModal shows none and returns
// Rejected, and the prompts ask nothing.
void EndModalRuns();
bool ModalRunsEnded();

using ModalScript = std::function<void(QDialog&)>;

// For tests: the script for the next window shown modally.
void QueueModalScript(ModalScript script);
// For tests: how many queued scripts no window has taken yet.
int PendingModalScripts();

} // namespace mcb

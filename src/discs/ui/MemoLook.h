// The look of the read-only text boxes of the disc views: the window-face colour, as a text the user
// cannot edit.
#pragma once

class QPlainTextEdit;

namespace mcb {

void ShowAsWindowFace(QPlainTextEdit* memo);

} // namespace mcb

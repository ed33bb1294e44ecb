// The journal file's bytes in the forms the program works with: the newest lines kept when it is cut,
// and the text shown in (and saved from) the journal viewer.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace mcb {

// Where the newest lines start when a journal of at least `maxLines` lines gets one more line:
// the offset of its newest maxLines - 1 lines, so that with the new line it holds exactly maxLines.
// A line ends at LF (a CR before it belongs to the break); a last line without a break counts.
// A limit below 1 counts as 1: only the new line is kept. Nothing when no cut is needed.
std::optional<std::size_t> CutOffset(std::string_view journal, int maxLines);

// True when the text is empty or its last line has its line break.
bool EndsWithLineBreak(std::string_view text);

// The viewer's text: every line break of the file (CR LF, LF or a lone CR) as "\n".
std::string JournalScreenText(std::string_view fileBytes);

// The file's bytes for the viewer's text: every line, the last one included, ended by CR LF; a break
// at the very end ends the last line rather than starting an empty one.
std::string JournalFileText(std::string_view screenText);

// Offset of the start of the last line of a viewer text (the line before a break at the very end).
std::size_t LastLineStart(std::string_view screenText);

} // namespace mcb

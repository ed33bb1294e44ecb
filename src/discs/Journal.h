// The event journal beside the catalogue: one line "<date> <time> : <event text>" per change made to
// discs, Windows-1251, lines ended by CR LF, cut to the configured number of lines.
#pragma once

#include "platform/Services.h"

#include <string>
#include <string_view>

namespace mcb {

struct SetupSettings;

// Bits of the "MagazEvents" mask: which events are recorded.
constexpr int kEventAdd = 1;
constexpr int kEventEdit = 2;
constexpr int kEventDelete = 4;
constexpr int kEventLend = 8;
constexpr int kEventReturn = 16;

struct JournalContext {
    std::string journalFileName; // native path of the journal (the catalogue's name with ".log")
    const SetupSettings& setup;  // Magazine, MagazTrunc, MagazLines, MagazEvents
    const Clock& clock;
    const DateFormat& dateFormat;
    std::string catalogueFileName; // whose permission bits the journal gets
};

// Appends one event line when the journal is switched on; cuts the journal first when it holds
// "MagazLines" lines or more. Failures record nothing and show nothing, except read and write errors
// while cutting, which are reported through the program's error reporting. The journal is never
// written through a link or another name of its file: a new journal takes the place of a symbolic
// link, a copy with the new line that of a file with several names; a folder, device or pipe in its
// place gets a write error.
void LogEvent(const JournalContext& journal, const std::string& text);

// LogEvent when the event's bit is set in "MagazEvents".
void LogEventIfSelected(const JournalContext& journal, int eventBit, const std::string& text);

// Replaces the journal with the journal viewer's edited text (lines separated by "\n"), crash-safely:
// the file holds either the old or the new journal at every moment. A failure is reported and
// returns false, leaving the old journal as it was.
bool SaveJournal(const std::string& journalFileName, std::string_view screenText, const std::string& catalogueFileName);

} // namespace mcb

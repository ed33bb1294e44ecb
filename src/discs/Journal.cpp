#include "discs/Journal.h"

#include "discs/JournalText.h"
#include "storage/AtomicFile.h"
#include "storage/ErrorReport.h"
#include "storage/RegularFile.h"
#include "storage/Settings.h"
#include "storage/WholeFile.h"

#include <unistd.h>

namespace mcb {

namespace {

std::string EventLine(const JournalContext& journal, const std::string& text) {
    return journal.dateFormat.ShortDate(journal.clock.Today()) + " " +
           journal.dateFormat.LongTime(journal.clock.SecondsOfDay()) + " : " + text + "\r\n";
}

// The temporary file of a cut is the journal's name with ".~og", the name the journal has always used
// for it; the atomic writer picks another name when a stale one is in the way.
std::string CutTempName(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const std::size_t dot = name.rfind('.');
    if (dot != std::string::npos) name.erase(dot);
    return name + ".~og";
}

void ReportWriteError(const std::string& path) {
    ReportFileError("Write error to file ", path);
}

void ReportReadError(const std::string& path) {
    ReportFileError("Read error from file ", path);
}

// Whether the last byte of a journal of the given size is a line feed; an unreadable file counts as
// ended, since nothing can be done about it.
bool LastByteIsLineFeed(const std::string& path, off_t size) {
    const RegularFile file = RegularFile::ForReading(path);
    char last = '\n';
    const bool read = file.Ok() && ::pread(file.Fd(), &last, 1, size - 1) == 1;
    return !read || last == '\n';
}

// Appends without reading the journal. A journal that can be neither opened nor created records
// nothing, silently; one that is no regular file (a pipe, a device, a folder) records nothing and is
// reported as not writable, since the user can mend that. A failed write is taken back, so no
// partial line remains.
void AppendLine(const std::string& path, std::string line) {
    RegularFile file = RegularFile::ForAppending(path, 0666);
    if (file.State() == OpenState::NotRegular) ReportWriteError(path);
    if (!file.Ok()) return;
    const off_t size = file.Size();
    // A hand-edited journal may lack the break after its last line; the event still gets its own line.
    if (size > 0 && !LastByteIsLineFeed(path, size)) line.insert(0, "\r\n");
    const int fd = file.Release();
    const bool written = WriteAll(fd, line);
    if (!written) {
        [[maybe_unused]] const int restored = ::ftruncate(fd, size);
    }
    const bool closed = ::close(fd) == 0;
    if (!written || !closed) ReportWriteError(path);
}

// Cuts the journal and records the line in one atomic replacement. Returns false when the journal
// needs no cut (or cannot be read, or is no regular file), so that the line is simply appended.
bool CutAndRecord(const std::string& path, const std::string& line, int maxLines) {
    if (RegularFile::ForReading(path).State() != OpenState::Opened) return false;
    const std::optional<std::string> journal = ReadWholeFile(path);
    if (!journal) {
        ReportReadError(path);
        return true;
    }
    const std::optional<std::size_t> offset = CutOffset(*journal, maxLines);
    if (!offset) return false;
    std::string content = journal->substr(*offset);
    if (!EndsWithLineBreak(content)) content += "\r\n";
    content += line;
    if (!WriteFileAtomically(path, content, CutTempName(path))) ReportWriteError(path);
    return true;
}

} // namespace

void LogEvent(const JournalContext& journal, const std::string& text) {
    if (!journal.setup.Magazine) return;
    const std::string line = EventLine(journal, text);
    if (journal.setup.MagazTrunc && CutAndRecord(journal.journalFileName, line, journal.setup.MagazLines)) return;
    AppendLine(journal.journalFileName, line);
}

void LogEventIfSelected(const JournalContext& journal, int eventBit, const std::string& text) {
    if (journal.setup.MagazEvents & eventBit) LogEvent(journal, text);
}

// A pipe, a device or a folder in the journal's place is not replaced by the edited text.
bool SaveJournal(const std::string& journalFileName, std::string_view screenText) {
    if (RegularFile::ForReading(journalFileName).State() != OpenState::NotRegular &&
        WriteFileAtomically(journalFileName, JournalFileText(screenText), CutTempName(journalFileName)))
        return true;
    ReportWriteError(journalFileName);
    return false;
}

} // namespace mcb

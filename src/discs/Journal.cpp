#include "discs/Journal.h"

#include "discs/JournalText.h"
#include "storage/AtomicFile.h"
#include "storage/ErrorReport.h"
#include "storage/Settings.h"
#include "storage/SideFile.h"
#include "storage/WholeFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
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
bool LastByteIsLineFeed(int fd, off_t size) {
    char last = '\n';
    const bool read = ::pread(fd, &last, 1, size - 1) == 1;
    return !read || last == '\n';
}

// Appends without reading the journal. A journal that can be neither opened nor created records
// nothing, silently; a failed write is taken back, so no partial line remains. The checks after the
// opening catch a link or another file put in the journal's place since it was looked at.
void AppendLine(const JournalContext& journal, std::string line, unsigned mode) {
    const std::string& path = journal.journalFileName;
    const int fd =
        ::open(path.c_str(), O_RDWR | O_APPEND | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0600);
    if (fd < 0) return;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_nlink != 1) {
        ::close(fd);
        ReportWriteError(path);
        return;
    }
    if ((info.st_mode & 0777) != mode) {
        [[maybe_unused]] const int changed = ::fchmod(fd, mode_t(mode));
    }
    const off_t size = info.st_size;
    // A hand-edited journal may lack the break after its last line; the event still gets its own line.
    if (size > 0 && !LastByteIsLineFeed(fd, size)) line.insert(0, "\r\n");
    const bool written = WriteAll(fd, line);
    if (!written) {
        [[maybe_unused]] const int restored = ::ftruncate(fd, size);
    }
    const bool closed = ::close(fd) == 0;
    if (!written || !closed) ReportWriteError(path);
}

bool Rewrite(const JournalContext& journal, const std::string& content) {
    const std::string& path = journal.journalFileName;
    return WriteSideFile(path, content, journal.catalogueFileName, CutTempName(path));
}

// Cuts the journal and records the line in one atomic replacement; `anew` writes it so even when it
// needs no cut. Returns false when the journal needs no cut (or cannot be opened), so that the line
// is simply appended.
bool CutAndRecord(const JournalContext& journal, const std::string& line, bool anew) {
    const std::string& path = journal.journalFileName;
    if (!anew && ::access(path.c_str(), R_OK) != 0) return false;
    const std::optional<std::string> old = ReadWholeFile(path);
    if (!old) {
        ReportReadError(path);
        return true;
    }
    const std::optional<std::size_t> offset =
        journal.setup.MagazTrunc ? CutOffset(*old, journal.setup.MagazLines) : std::nullopt;
    if (!offset && !anew) return false;
    std::string content = old->substr(offset.value_or(0));
    if (!content.empty() && !EndsWithLineBreak(content)) content += "\r\n";
    content += line;
    if (!Rewrite(journal, content)) ReportWriteError(path);
    return true;
}

} // namespace

void LogEvent(const JournalContext& journal, const std::string& text) {
    if (!journal.setup.Magazine) return;
    const std::string line = EventLine(journal, text);
    const std::string& path = journal.journalFileName;
    const SidePlace place = LookAtSidePlace(path);
    if (place == SidePlace::Other) {
        ReportWriteError(path);
        return;
    }
    if (place == SidePlace::Link) {
        // The file it leads to is neither read nor written: the journal starts afresh in its place.
        if (!Rewrite(journal, line)) ReportWriteError(path);
        return;
    }
    const bool anew = place == SidePlace::Shared;
    if ((anew || journal.setup.MagazTrunc) && CutAndRecord(journal, line, anew)) return;
    AppendLine(journal, line, SideFileMode(journal.catalogueFileName, path));
}

void LogEventIfSelected(const JournalContext& journal, int eventBit, const std::string& text) {
    if (journal.setup.MagazEvents & eventBit) LogEvent(journal, text);
}

bool SaveJournal(const std::string& journalFileName, std::string_view screenText,
                 const std::string& catalogueFileName) {
    if (WriteSideFile(journalFileName, JournalFileText(screenText), catalogueFileName, CutTempName(journalFileName)))
        return true;
    ReportWriteError(journalFileName);
    return false;
}

} // namespace mcb

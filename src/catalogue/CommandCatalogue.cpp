#include "catalogue/CommandCatalogue.h"

#include "storage/TextCodec.h"

#include <cerrno>
#include <ostream>
#include <sys/stat.h>
#include <unistd.h>

namespace mcb {

namespace {

enum class FileState { Missing, Readable, Unreadable };

FileState StateOf(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return errno == ENOENT ? FileState::Missing : FileState::Unreadable;
    const bool readable = S_ISREG(info.st_mode) && ::access(path.c_str(), R_OK) == 0;
    return readable ? FileState::Readable : FileState::Unreadable;
}

} // namespace

// The engine would look for a name without a directory in the settings directory.
std::optional<std::string> CommandCataloguePath(const std::string& named, std::ostream& err) {
    const std::string path = named.find('/') == std::string::npos ? "./" + named : named;
    switch (StateOf(path)) {
    case FileState::Unreadable:
        err << "mirvane-cdbase: не удается прочитать файл базы " << named << '\n';
        return std::nullopt;
    case FileState::Missing:
        err << "mirvane-cdbase: файл базы " << named << " не найден, показана пустая база\n";
        break;
    case FileState::Readable:
        break;
    }
    return path;
}

std::string PrintableUtf8(std::string cell) {
    for (char& c : cell)
        if (static_cast<unsigned char>(c) < 0x20) c = ' ';
    return Utf8FromCp1251(cell);
}

} // namespace mcb

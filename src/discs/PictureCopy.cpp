#include "discs/PictureCopy.h"

#include "storage/AtomicFile.h"
#include "storage/ErrorReport.h"
#include "storage/Literal.h"
#include "storage/WholeFile.h"

#include <fcntl.h>
#include <filesystem>
#include <unistd.h>

namespace mcb {

namespace {

bool CanOpen(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY);
    if (fd < 0) return false;
    ::close(fd);
    return true;
}

} // namespace

std::string CopyPictureBeside(const std::string& targetStem, const std::string& source) {
    const auto bytes = ReadWholeFile(source);
    if (!bytes) {
        if (!CanOpen(source)) ReportFileError(W("Не удается прочитать файл "), source);
        return source;
    }
    const std::string target = targetStem + std::filesystem::path(source).extension().string();
    return WriteFileAtomically(target, *bytes, "~picture.tmp") ? target : source;
}

} // namespace mcb

#include "discs/PictureCopy.h"

#include "storage/AtomicFile.h"
#include "storage/ErrorReport.h"
#include "storage/Literal.h"
#include "storage/RegularFile.h"
#include "storage/WholeFile.h"

#include <filesystem>

namespace mcb {

// A pipe, a device or a folder is no picture: nothing is copied and nothing is said.
std::string CopyPictureBeside(const std::string& targetStem, const std::string& source) {
    const auto bytes = ReadWholeFile(source);
    if (!bytes) {
        const OpenState state = RegularFile::ForReading(source).State();
        if (state == OpenState::Missing || state == OpenState::Failed)
            ReportFileError(W("Не удается прочитать файл "), source);
        return source;
    }
    const std::string target = targetStem + std::filesystem::path(source).extension().string();
    return WriteFileAtomically(target, *bytes, "~picture.tmp") ? target : source;
}

} // namespace mcb

#include "discs/PictureCopy.h"

#include "platform/Services.h"
#include "storage/AtomicFile.h"
#include "storage/ErrorReport.h"
#include "storage/Literal.h"
#include "storage/RegularFile.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace mcb {

namespace fs = std::filesystem;

namespace {

constexpr int kNamesTried = 1000;

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

// A new file under the first free name; -1 when none could be made.
int CreateFree(const std::string& stem, const std::string& extension, std::string& made) {
    for (int n = 1; n <= kNamesTried; ++n) {
        made = stem + (n == 1 ? "" : "_" + std::to_string(n)) + extension;
        const int fd = ::open(made.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// Copies the whole source, which must keep the size it had when opened.
bool Stream(int from, int to, std::uint64_t size) {
    char buffer[64 * 1024];
    std::uint64_t done = 0;
    for (;;) {
        const ssize_t n = ::read(from, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) break;
        done += std::uint64_t(n);
        if (done > size || !WriteAll(to, std::string_view(buffer, std::size_t(n)))) return false;
    }
    return done == size && ::fsync(to) == 0;
}

bool InFolder(const std::string& path, const std::string& folder) {
    std::error_code ec;
    return fs::equivalent(fs::path(path).parent_path(), fs::path(folder), ec);
}

} // namespace

std::string PictureCopyName(const std::string& targetStem, const std::string& source) {
    return targetStem + fs::path(source).extension().string();
}

PictureCopy CopyPictureBeside(const std::string& targetStem, const std::string& source, Prompts& prompts) {
    const PictureCopy kept{source, false};
    if (InFolder(source, fs::path(targetStem).parent_path().string())) return kept;
    // A pipe, a device or a folder is no picture: nothing is copied and nothing is said.
    const RegularFile from = RegularFile::ForReading(source);
    if (!from.Ok()) {
        if (from.State() == OpenState::Missing || from.State() == OpenState::Failed)
            ReportFileError(W("Не удается прочитать файл "), source);
        return kept;
    }
    const std::uint64_t size = std::uint64_t(from.Size());
    if (size > kPictureCopyLimit) {
        prompts.Message(W("Картинка ") + UserText::Path(source) +
                        W(" больше 64 МБ и не скопирована к базе: диск ссылается на сам файл."));
        return kept;
    }
    PictureCopy copy{"", true};
    const Descriptor to(CreateFree(targetStem, fs::path(source).extension().string(), copy.path));
    if (to.get() < 0) return kept;
    if (Stream(from.Fd(), to.get(), size)) return copy;
    ::unlink(copy.path.c_str());
    return kept;
}

} // namespace mcb

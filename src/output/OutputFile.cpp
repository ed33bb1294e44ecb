#include "output/OutputFile.h"

#include "catalogue/FileNames.h"
#include "storage/Cp1251.h"
#include "storage/Literal.h"

#include <filesystem>
#include <sys/stat.h>
#include <system_error>

namespace mcb {

namespace fs = std::filesystem;

namespace {

bool SameFile(const std::string& a, const std::string& b) {
    struct stat first {};
    struct stat second {};
    if (::stat(a.c_str(), &first) == 0 && ::stat(b.c_str(), &second) == 0)
        return first.st_dev == second.st_dev && first.st_ino == second.st_ino;
    // A file that is not there yet is the same when the paths lead to the same place.
    std::error_code ec;
    const fs::path left = fs::weakly_canonical(fs::absolute(a), ec);
    const fs::path right = fs::weakly_canonical(fs::absolute(b), ec);
    return !ec && left == right;
}

} // namespace

std::string WithOutputExtension(const std::string& name, std::string_view extension) {
    const bool present = name.size() >= extension.size() &&
                         UpperCase(name.substr(name.size() - extension.size())) == UpperCase(std::string(extension));
    if (present) return name;
    // A lone "." at the end asks for the extension, as it does for a catalogue's name.
    return (name.ends_with('.') ? name.substr(0, name.size() - 1) : name) + std::string(extension);
}

std::optional<UserText> OutputRefusal(const std::string& output, const std::string& catalogue) {
    struct stat info {};
    if (::stat(output.c_str(), &info) == 0 && !S_ISREG(info.st_mode))
        return W("Файл ") + UserText::Path(output) + W(" не является обычным файлом: записать в него нельзя.");
    if (catalogue.empty()) return std::nullopt;
    for (const std::string& own : {catalogue, WithExtension(catalogue, ".log"), WithExtension(catalogue, ".bak")})
        if (SameFile(output, own))
            return W("Файл ") + UserText::Path(output) + W(" - это база ") + UserText::Path(catalogue) +
                   W(", ее журнал или резервная копия. Выберите для записи другое имя.");
    return std::nullopt;
}

} // namespace mcb

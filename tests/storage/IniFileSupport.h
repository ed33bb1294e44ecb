// Helpers of the key/value engine tests: a fixture with a fresh temporary folder (also the settings
// directory), whole-file helpers and a recorder of reported errors.
#pragma once

#include "storage/ErrorReport.h"
#include "support/TempDir.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace mcb::test {

inline std::string ReadBytes(const std::string& path) {
    return TempDir::Read(path);
}
void WriteBytes(const std::string& path, const std::string& bytes);
bool Exists(const std::string& path);
// Names in a folder, without "." and "..", sorted.
std::vector<std::string> ListFolder(const std::string& path);

// Runs `body` in a child process and returns its exit status (-1 when it did not exit normally).
int InChild(const std::function<int()>& body);
// In a child process: drops the superuser's rights to those of the user and group 65534, so that
// permissions count; false when that failed.
bool BecomeNobody();

// Collects every reported error while it lives.
class ErrorRecorder {
public:
    ErrorRecorder();
    ~ErrorRecorder();
    std::vector<std::string> messages;

private:
    ErrorReporter previous_;
};

class IniFileTest : public ::testing::Test {
protected:
    std::string Path(const std::string& name) const { return dir_.File(name); }
    std::string Folder() const { return dir_.Path(); }

private:
    TempDir dir_;
};

} // namespace mcb::test

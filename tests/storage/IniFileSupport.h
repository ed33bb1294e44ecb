// Fixtures shared by the key/value engine tests: a temporary folder that also serves as the
// settings directory, whole-file helpers and a recorder of reported errors.
#pragma once

#include "storage/ErrorReport.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace mcb::test {

std::string ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::string& bytes);
bool Exists(const std::string& path);
// Names in a folder, without "." and "..", sorted.
std::vector<std::string> ListFolder(const std::string& path);

// Collects every reported error while it lives.
class ErrorRecorder {
public:
    ErrorRecorder();
    ~ErrorRecorder();
    std::vector<std::string> messages;

private:
    ErrorReporter previous_;
};

// A fresh temporary folder per test; XDG_CONFIG_HOME points into it.
class IniFileTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    std::string Path(const std::string& name) const { return folder_ + "/" + name; }
    const std::string& Folder() const { return folder_; }

private:
    std::string folder_;
    std::string savedConfigHome_;
    bool hadConfigHome_ = false;
};

} // namespace mcb::test

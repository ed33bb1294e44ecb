// The backup copy of the catalogue made at start-up, written on a thread of its own from the bytes
// the catalogue was read from, so that the window comes up meanwhile; the copy is therefore always
// the file as it was read, whatever is saved later.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <thread>

namespace mcb {

class StartupBackup {
public:
    StartupBackup() = default;
    ~StartupBackup() { Finish(); }
    StartupBackup(const StartupBackup&) = delete;
    StartupBackup& operator=(const StartupBackup&) = delete;

    // Starts writing `bytes`, which `keep` keeps alive, as the backup copy of `catalogue`
    // (WriteBackupCopy).
    void Start(std::shared_ptr<const void> keep, std::string_view bytes, std::string catalogue);
    // Waits for the copy started last: whether it was written; nothing when none was pending.
    std::optional<bool> Finish();

private:
    std::thread thread_;
    bool written_ = false;
};

} // namespace mcb

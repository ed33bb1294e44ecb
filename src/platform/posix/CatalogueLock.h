// The mark that a running program of this user has a catalogue open: an exclusive lock on a small
// file in the user's private runtime folder, named after the catalogue's canonical path. The lock is
// not on the catalogue itself, which every save replaces by renaming, and it belongs to the running
// process: when the program ends, however it ends, the system releases it, so a crashed program
// never keeps a catalogue from being opened.
#pragma once

#include <memory>
#include <optional>
#include <string>

namespace mcb {

// The user's private folder for these marks: $XDG_RUNTIME_DIR/mirvane-cdbase, or a folder of the
// user's own in /tmp; created when missing. Nothing when no such folder can be had safely.
std::optional<std::string> ClaimFolder();

// The name both the lock and the holder's socket take for a catalogue: one for every path that
// leads to the same catalogue file (links, "..", a relative name), whether it exists yet or not.
std::string ClaimName(const std::string& catalogue);

class CatalogueLock {
public:
    enum class Outcome { Taken, HeldElsewhere, Unavailable };

    // Tries to take the lock of the catalogue in `folder`; `lock` is set when Taken.
    static Outcome Take(const std::string& folder, const std::string& catalogue, std::unique_ptr<CatalogueLock>& lock);
    ~CatalogueLock();
    CatalogueLock(const CatalogueLock&) = delete;
    CatalogueLock& operator=(const CatalogueLock&) = delete;

private:
    explicit CatalogueLock(int fd) : fd_(fd) {}
    int fd_;
};

} // namespace mcb

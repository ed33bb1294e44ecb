// Keeps what a library prints on the standard error away from the user's terminal while it lives:
// the spreadsheet writer prints its own English error lines there, which the program replaces with a
// message of its own that names the file.
#pragma once

namespace mcb {

class QuietStderr {
public:
    QuietStderr();
    ~QuietStderr();
    QuietStderr(const QuietStderr&) = delete;
    QuietStderr& operator=(const QuietStderr&) = delete;

private:
    int saved_ = -1; // the standard error as it was
};

} // namespace mcb

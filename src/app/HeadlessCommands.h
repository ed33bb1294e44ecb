// The commands that run without a display (--list, and the output commands as they come). Each one
// reads the settings like the window but writes nothing besides the file it is asked to write,
// prints UTF-8, and returns the exit code: 0 on success, non-zero with a message on standard error.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace mcb {

struct HeadlessRun {
    std::vector<std::string> arguments; // after the command's option
    std::string programDir;             // the folder of the executable, with its trailing "/"
    std::ostream& out;
    std::ostream& err;
};

struct HeadlessCommand {
    const char* option;  // "--list"
    const char* usage;   // its line in "--help" after the program name, UTF-8
    const char* details; // its paragraph below the lines of "--help", UTF-8; may be empty
    int (*run)(const HeadlessRun& run);
};

// Every command; a new one is one more entry here, in HeadlessCommands.cpp.
const std::vector<HeadlessCommand>& HeadlessCommands();

// The command named by the option; null for an option that is not one of them (the window toolkit's,
// such as "--platform").
const HeadlessCommand* FindHeadlessCommand(const std::string& option);

// The text of "--help", UTF-8.
std::string CommandLineHelp();

} // namespace mcb

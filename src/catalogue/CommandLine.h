// The program's command line: an optional catalogue to open in the window, or a command that runs
// without a display.
#pragma once

#include <string>
#include <vector>

namespace mcb {

struct CommandLine {
    enum class Mode { Window, Command, Help };
    Mode mode = Mode::Window;
    std::string catalogue;              // Window: the catalogue to open (may be empty)
    std::string command;                // Command: its option, such as "--list"
    std::vector<std::string> arguments; // Command: every argument after the option
};

// `args` are the arguments after the program name. An argument of the form "--name" first names a
// command, whose own arguments the command checks. In window mode the catalogue is the first argument
// unless it is an option; options other than ours belong to the window toolkit, so the window asks
// again with the arguments the toolkit leaves over.
CommandLine ParseCommandLine(const std::vector<std::string>& args);

} // namespace mcb

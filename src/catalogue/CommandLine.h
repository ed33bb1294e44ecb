// The program's command line: an optional catalogue to open in the window, or a command that runs
// without a display.
#pragma once

#include <string>
#include <vector>

namespace mcb {

struct CommandLine {
    enum class Mode { Window, List, Help, Error };
    Mode mode = Mode::Window;
    std::string catalogue; // Window: the catalogue to open (may be empty); List: the catalogue to list
    std::string error;     // Error: what is wrong, UTF-8
};

// `args` are the arguments after the program name. In window mode the catalogue is the first
// argument unless it is an option; options other than ours belong to the window toolkit, so the
// window asks again with the arguments the toolkit leaves over.
CommandLine ParseCommandLine(const std::vector<std::string>& args);

// The text of "--help", UTF-8.
const char* CommandLineHelp();

} // namespace mcb

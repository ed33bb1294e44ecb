#include "catalogue/CommandLine.h"

namespace mcb {

CommandLine ParseCommandLine(const std::vector<std::string>& args) {
    CommandLine line;
    if (args.empty()) return line;
    const std::string& first = args[0];
    if (first == "--help" || first == "-h") {
        line.mode = CommandLine::Mode::Help;
    } else if (first.size() > 2 && first.compare(0, 2, "--") == 0) {
        line.mode = CommandLine::Mode::Command;
        line.command = first;
        line.arguments.assign(args.begin() + 1, args.end());
    } else if (first[0] != '-') {
        line.catalogue = first;
    }
    return line;
}

} // namespace mcb

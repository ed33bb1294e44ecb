// mcb-gencat: writes a synthetic catalogue for benchmarks and manual tests.
//   mcb-gencat N OUT.cbf [--seed S] [--today DAY]
#include "gen/Generator.h"

#include <charconv>
#include <cstdio>
#include <string>
#include <string_view>

namespace {

template <class T> bool ParseNumber(std::string_view text, T& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

int Usage() {
    std::fputs("usage: mcb-gencat N OUT.cbf [--seed S] [--today DAY]\n", stderr);
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    mcb::gen::Options options;
    std::string out;
    int positional = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--seed" && hasValue) {
            if (!ParseNumber(argv[++i], options.seed)) return Usage();
        } else if (arg == "--today" && hasValue) {
            if (!ParseNumber(argv[++i], options.today)) return Usage();
        } else if (positional == 0) {
            if (!ParseNumber(arg, options.discs) || options.discs < 0) return Usage();
            ++positional;
        } else if (positional == 1) {
            out = arg;
            ++positional;
        } else {
            return Usage();
        }
    }
    if (positional != 2) return Usage();
    if (!mcb::gen::WriteCatalogueFile(options, out)) {
        std::fprintf(stderr, "mcb-gencat: cannot write %s\n", out.c_str());
        return 1;
    }
    return 0;
}

// Synthetic catalogues of realistic shape for benchmarks and manual tests: Russian and Latin titles
// with repeats, the four reference lists, lent (partly overdue) and foreign discs, descriptions of
// up to six lines. The same options always give the same bytes.
#pragma once

#include <string>

namespace mcb::gen {

struct Options {
    int discs = 1000;
    unsigned seed = 1;
    int today = 46000; // day number the entry and lending dates are counted back from
};

// The whole catalogue file: Windows-1251, CR LF line ends, about 270 bytes per disc.
std::string GenerateCatalogueText(const Options& options);

// Writes the generated text to path; false when the file cannot be written completely.
bool WriteCatalogueFile(const Options& options, const std::string& path);

} // namespace mcb::gen

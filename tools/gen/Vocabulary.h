// Word stock of the synthetic catalogues, as Windows-1251 texts.
#pragma once

#include <string>
#include <vector>

namespace mcb::gen {

struct Vocabulary {
    std::vector<std::string> russianWords;
    std::vector<std::string> latinWords;
    std::vector<std::string> genres;
    std::vector<std::string> countries;
    std::vector<std::string> companies;
    std::vector<std::string> people;
};

const Vocabulary& Words();

} // namespace mcb::gen

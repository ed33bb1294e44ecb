// Small catalogues written as text for the table tests. Texts are given in UTF-8 and stored as
// Windows-1251, as the program keeps them.
#pragma once

#include "storage/Literal.h"

#include <string>
#include <utility>
#include <vector>

namespace mcb::test {

using Keys = std::vector<std::pair<std::string, std::string>>;

struct FixtureSection {
    std::string name;
    Keys keys;
};

inline std::string CatalogueText(const std::vector<FixtureSection>& sections) {
    std::string text = "; test catalogue\r\n\r\n";
    for (const auto& section : sections) {
        text += "[" + section.name + "]\r\n";
        for (const auto& [key, value] : section.keys) text += key + "=" + W(value) + "\r\n";
        text += "\r\n";
    }
    return text;
}

} // namespace mcb::test

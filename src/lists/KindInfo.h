// What distinguishes the four reference lists: their catalogue section, the texts of the window and
// of its questions, and the disc keys that refer to their entries. Texts are Windows-1251.
#pragma once

#include "lists/DictTypes.h"

#include <string>
#include <vector>

namespace mcb {

struct KindInfo {
    std::string section;              // also the name of the list's counter in section "Common"
    std::vector<std::string> headers; // one per column; contacts have three
    std::string addPrompt;
    std::string editPrompt;
    std::string noun;   // in the delete question and refusal
    std::string plural; // in "[ Все ... ]"
    std::vector<std::string> discKeys;

    bool HasContactFields() const { return headers.size() == 3; }
};

const KindInfo& Info(DictKind kind);

} // namespace mcb

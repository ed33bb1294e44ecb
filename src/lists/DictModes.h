// The three ways the reference-list window is used, and what each shows.
#pragma once

#include "lists/DictTypes.h"

#include <string>

namespace mcb {

enum class DictMode { Edit, Single, Multi };

DictMode ModeOf(const DictParams& params);

// The list's hint in the mode (Windows-1251).
const std::string& ModeHint(DictMode mode);

int ModeHelpTopic(DictMode mode);

} // namespace mcb

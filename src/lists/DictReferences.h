// Whether any disc refers to a reference-list entry, which then may not be deleted.
#pragma once

#include "lists/DictTypes.h"

#include <string>

namespace mcb {

class TIniFile;

// True when a disc section of a number from 1 to LastCDID holds, in a key of the kind (genres "Gen",
// countries "Cou", companies "Comp", contacts "Gin" or "Oth"), exactly the given index text. Sections
// left over from deleted discs count when they still hold the key. Only the sections that exist are
// visited, so the cost does not depend on LastCDID.
bool IsReferenced(const TIniFile& catalogue, DictKind kind, const std::string& indexText);

} // namespace mcb

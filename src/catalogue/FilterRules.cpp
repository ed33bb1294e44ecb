#include "catalogue/FilterRules.h"

#include "storage/Cp1251.h"

#include <algorithm>

namespace mcb {

bool KeepOneOfTwo(bool checked, bool partner) {
    return checked || !partner;
}

void KeepOneAudience(std::array<bool, 4>& audience, int clicked) {
    if (std::none_of(audience.begin(), audience.end(), [](bool on) { return on; })) audience.at(clicked) = true;
}

FilterCriteria ClearedFilter() {
    return FilterCriteria{};
}

std::string StoredIndexList(std::string_view list) {
    return std::string(TrimRightBlanks(list));
}

} // namespace mcb

// The rules of the filter dialog on the criteria record: the boxes that must stay checked, the
// cleared record and the stored form of a chosen index list.
#pragma once

#include "storage/Settings.h"

#include <array>
#include <string>
#include <string_view>

namespace mcb {

// The state a box takes when the user sets it to `checked`: a box may not be cleared while its
// partner is clear ("В наличии" / "Отданные в долг").
bool KeepOneOfTwo(bool checked, bool partner);

// After the user set audience box `clicked`: when no box is left checked, that one is checked again.
void KeepOneAudience(std::array<bool, 4>& audience, int clicked);

// "Очистить": every criterion back to its default, which lets every disc through.
FilterCriteria ClearedFilter();

// An index list as the record keeps it: trailing blanks removed.
std::string StoredIndexList(std::string_view list);

} // namespace mcb

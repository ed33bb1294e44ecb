// The filter of the catalogue table: decides for each disc whether it is shown.
#pragma once

#include "catalogue/DiscValues.h"
#include "catalogue/SelectionList.h"
#include "storage/Settings.h"

#include <string>

namespace mcb {

class DiscFilter {
public:
    // The selection lists and the upper-cased title search are prepared once here.
    DiscFilter(const FilterCriteria& criteria, bool emptyInclude);

    bool Shows(const DiscValues& disc) const;

private:
    bool PassesLending(const DiscValues& disc) const;
    bool PassesOwner(const DiscValues& disc) const;
    bool PassesTitle(const DiscValues& disc) const;
    bool PassesAudience(const std::string& aud) const;
    // A list criterion; with EmptyInclude a disc without that reference passes too.
    bool PassesList(const SelectionList& list, const std::string& index) const;

    FilterCriteria criteria_;
    bool emptyInclude_;
    SelectionList debtors_, genres_, countries_, companies_;
    bool titleSearch_;
    std::string titleUpper_;
};

} // namespace mcb

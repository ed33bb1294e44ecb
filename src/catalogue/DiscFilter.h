// The filter of the catalogue table: decides for each disc whether it is shown.
#pragma once

#include "catalogue/DiscValues.h"
#include "catalogue/SelectionList.h"
#include "storage/Settings.h"

#include <string>
#include <string_view>

namespace mcb {

class DiscFilter {
public:
    // The selection lists and the upper-cased title search are prepared once here.
    DiscFilter(const FilterCriteria& criteria, bool emptyInclude);

    bool Shows(const DiscViews& disc) const;

private:
    bool PassesLending(const DiscViews& disc) const;
    bool PassesOwner(const DiscViews& disc) const;
    bool PassesTitle(const DiscViews& disc) const;
    bool MatchesTitle(std::string_view title) const;
    bool PassesAudience(std::string_view aud) const;
    // A list criterion; with EmptyInclude a disc without that reference passes too.
    bool PassesList(const SelectionList& list, std::string_view index) const;

    FilterCriteria criteria_;
    bool emptyInclude_;
    SelectionList debtors_, genres_, countries_, companies_;
    bool titleSearch_;
    std::string titleUpper_;
};

} // namespace mcb

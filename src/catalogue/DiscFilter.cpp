#include "catalogue/DiscFilter.h"

#include "storage/Cp1251.h"

namespace mcb {

namespace {

constexpr const char* kNone = "-1";
constexpr int kOwnDiscsOnly = 1;
constexpr int kForeignDiscsOnly = 2;

} // namespace

DiscFilter::DiscFilter(const FilterCriteria& criteria, bool emptyInclude)
    : criteria_(criteria), emptyInclude_(emptyInclude), debtors_(ParseSelectionList(criteria.OtdaList)),
      genres_(ParseSelectionList(criteria.Genree)), countries_(ParseSelectionList(criteria.CountList)),
      companies_(ParseSelectionList(criteria.Company)), titleSearch_(!TrimBlanks(criteria.Nazva).empty()),
      titleUpper_(UpperCase(criteria.Nazva)) {}

bool DiscFilter::Shows(const DiscValues& disc) const {
    return PassesLending(disc) && PassesOwner(disc) && PassesTitle(disc) && PassesList(genres_, disc.Gen) &&
           PassesAudience(disc.Aud) && PassesList(countries_, disc.Cou) && PassesList(companies_, disc.Comp);
}

bool DiscFilter::PassesLending(const DiscValues& disc) const {
    if (!disc.IsLent()) return criteria_.Nalichie;
    return criteria_.Otdacha && (!debtors_.active || debtors_.Contains(disc.Gin));
}

bool DiscFilter::PassesOwner(const DiscValues& disc) const {
    const bool own = disc.Oth == kNone;
    if (criteria_.hozi == kForeignDiscsOnly) return !own;
    if (criteria_.hozi == kOwnDiscsOnly) return own;
    return true;
}

// The search text is used as stored (untrimmed); only a search of blanks alone is no search.
bool DiscFilter::PassesTitle(const DiscValues& disc) const {
    if (!titleSearch_) return true;
    const std::string nam = UpperCase(disc.Nam);
    const std::string nam2 = UpperCase(disc.Nam2);
    if (criteria_.SubNazva)
        return nam.find(titleUpper_) != std::string::npos || nam2.find(titleUpper_) != std::string::npos;
    return nam == titleUpper_ || nam2 == titleUpper_;
}

bool DiscFilter::PassesAudience(const std::string& aud) const {
    if (aud == kNone) {
        const bool allAudiences = criteria_.Au[0] && criteria_.Au[1] && criteria_.Au[2] && criteria_.Au[3];
        return emptyInclude_ || allAudiences;
    }
    for (int k = 0; k < 4; ++k)
        if (!criteria_.Au[k] && aud == std::to_string(k)) return false;
    return true;
}

bool DiscFilter::PassesList(const SelectionList& list, const std::string& index) const {
    if (!list.active || list.Contains(index)) return true;
    return emptyInclude_ && (index.empty() || index == kNone);
}

} // namespace mcb

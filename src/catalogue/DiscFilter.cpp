#include "catalogue/DiscFilter.h"

#include "storage/Cp1251.h"

#include <algorithm>

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

bool DiscFilter::Shows(const DiscViews& disc) const {
    return PassesLending(disc) && PassesOwner(disc) && PassesTitle(disc) && PassesList(genres_, disc.Gen) &&
           PassesAudience(disc.Aud) && PassesList(countries_, disc.Cou) && PassesList(companies_, disc.Comp);
}

bool DiscFilter::PassesLending(const DiscViews& disc) const {
    if (!disc.IsLent()) return criteria_.Nalichie;
    return criteria_.Otdacha && (!debtors_.active || debtors_.Contains(disc.Gin));
}

bool DiscFilter::PassesOwner(const DiscViews& disc) const {
    const bool own = disc.Oth == kNone;
    if (criteria_.hozi == kForeignDiscsOnly) return !own;
    if (criteria_.hozi == kOwnDiscsOnly) return own;
    return true;
}

// The search text is used as stored (untrimmed); only a search of blanks alone is no search.
bool DiscFilter::PassesTitle(const DiscViews& disc) const {
    return !titleSearch_ || MatchesTitle(disc.Nam) || MatchesTitle(disc.Nam2);
}

// Compared byte by byte through the upper-case table, without upper-cased copies of the titles.
bool DiscFilter::MatchesTitle(std::string_view title) const {
    const auto& upper = UpperTable();
    const auto same = [&upper](char t, char u) { return upper[static_cast<unsigned char>(t)] == u; };
    if (!criteria_.SubNazva)
        return title.size() == titleUpper_.size() && std::equal(title.begin(), title.end(), titleUpper_.begin(), same);
    return std::search(title.begin(), title.end(), titleUpper_.begin(), titleUpper_.end(), same) != title.end();
}

bool DiscFilter::PassesAudience(std::string_view aud) const {
    if (aud == kNone) {
        const bool allAudiences = criteria_.Au[0] && criteria_.Au[1] && criteria_.Au[2] && criteria_.Au[3];
        return emptyInclude_ || allAudiences;
    }
    for (int k = 0; k < 4; ++k)
        if (!criteria_.Au[k] && aud.size() == 1 && aud[0] == '0' + k) return false;
    return true;
}

bool DiscFilter::PassesList(const SelectionList& list, std::string_view index) const {
    if (!list.active || list.Contains(index)) return true;
    return emptyInclude_ && (index.empty() || index == kNone);
}

} // namespace mcb

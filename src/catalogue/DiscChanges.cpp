#include "catalogue/DiscChanges.h"

#include "storage/CatalogueFormat.h"
#include "storage/MyIniFiles.h"
#include "storage/UpperHash.h"

#include <algorithm>

namespace mcb {

namespace {

// A LastCDID that moves further than this is read as a new catalogue rather than disc by disc.
constexpr long long kDiscsReadOneByOne = 4096;

bool IsNameList(std::string_view section) {
    return SameName(section, "Genres") || SameName(section, "Countries") || SameName(section, "Company");
}

} // namespace

DiscChanges DiscChangeTracker::Since(const TIniFile& catalogue) {
    DiscChanges changes;
    bool common = false;
    changes.everything =
        texts_ != catalogue.Texts() || !catalogue.VisitChangesSince(seen_, [&](std::string_view section) {
            if (SameName(section, "Common"))
                common = true;
            else if (IsNameList(section))
                changes.nameLists = true;
            else if (const long long n = DiscNumberOfSection(section))
                changes.discs.push_back(uint32_t(n));
        });
    texts_ = catalogue.Texts();
    seen_ = catalogue.ChangeCount();
    changes.lastCdid = common || changes.everything ? ReadCommonCounters(catalogue).lastCdid : lastCdid_;
    // The discs between the old and the new LastCDID come or go.
    const long long low = std::min(changes.lastCdid, lastCdid_), high = std::max(changes.lastCdid, lastCdid_);
    lastCdid_ = changes.lastCdid;
    if (high - low > kDiscsReadOneByOne) changes.everything = true;
    if (changes.everything) {
        changes.discs.clear();
        return changes;
    }
    for (long long n = low + 1; n <= high; ++n) changes.discs.push_back(uint32_t(n));
    std::sort(changes.discs.begin(), changes.discs.end());
    changes.discs.erase(std::unique(changes.discs.begin(), changes.discs.end()), changes.discs.end());
    return changes;
}

} // namespace mcb

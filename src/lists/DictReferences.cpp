#include "lists/DictReferences.h"

#include "lists/KindInfo.h"
#include "storage/CatalogueFormat.h"
#include "storage/MyIniFiles.h"

#include <algorithm>

namespace mcb {

namespace {

// A section named as disc n is named for one n in 1..lastCdid: the padded decimal text of n.
bool IsDiscSectionUpTo(const std::string& name, long long lastCdid) {
    if (name.size() < 5 || name.size() > 10) return false;
    if (!std::all_of(name.begin(), name.end(), [](char c) { return c >= '0' && c <= '9'; })) return false;
    const long long n = std::stoll(name);
    return n >= 1 && n <= lastCdid && DiscIdText(n) == name;
}

} // namespace

bool IsReferenced(const TIniFile& catalogue, DictKind kind, const std::string& indexText) {
    const long long lastCdid = ReadCommonCounters(catalogue).lastCdid;
    const KindInfo& info = Info(kind);
    for (const std::string& section : catalogue.SectionNames()) {
        if (!IsDiscSectionUpTo(section, lastCdid)) continue;
        for (const std::string& key : info.discKeys)
            if (catalogue.ReadString(section, key, "") == indexText) return true;
    }
    return false;
}

} // namespace mcb

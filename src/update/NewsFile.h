// The news file of the author's site: a signature, the list of published versions in release order,
// and the change lines of each version. Texts are Windows-1251 as stored.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace mcb {

class TIniFile;

struct NewsReport {
    bool genuine = false;                 // "VersionList"/"Signature" is exactly "Quillor"
    std::vector<std::string> changeLines; // non-empty lines of the versions listed after the running one
    std::string lastVersion;              // the list's last entry ("" when that entry is missing)

    // A newer version counts only when it brings at least one change line.
    bool NewVersionFound() const { return genuine && !changeLines.empty(); }
};

// Versions are ordered by their place in the list, never by their digits: a version is newer exactly
// when it stands after the entry equal to `runningVersion`, and without such an entry none is.
// Numbered keys are taken as far as their counter says; a huge counter costs nothing.
NewsReport ReadNews(const TIniFile& news, std::string_view runningVersion);

} // namespace mcb

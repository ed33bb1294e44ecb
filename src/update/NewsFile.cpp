#include "update/NewsFile.h"

#include "storage/Cp1251.h"
#include "storage/DecimalInt.h"
#include "storage/MyIniFiles.h"

#include <map>

namespace mcb {

namespace {

// The number n of a key named prefix + n (n from 1 to count, written without leading zeros), 0 for
// any other key.
int KeyNumber(std::string_view key, std::string_view prefix, int count) {
    if (key.size() <= prefix.size() || !EqualsUpper(key.substr(0, prefix.size()), prefix)) return 0;
    const std::string_view digits = key.substr(prefix.size());
    if (digits.front() < '1' || digits.front() > '9') return 0;
    for (const char c : digits)
        if (c < '0' || c > '9') return 0;
    const auto n = ParseDecimalInt(digits);
    return n && *n <= count ? *n : 0;
}

// The values of the keys prefix1 ... prefix<count> that exist, by number; of equal keys the first
// counts, as for any lookup. Missing numbers read as empty texts, which every caller skips.
std::map<int, std::string> NumberedValues(const TIniFile& ini, const std::string& section, std::string_view prefix,
                                          int count) {
    std::map<int, std::string> values;
    ini.VisitLines(section, [&](std::string_view key, std::string_view value) {
        if (const int n = KeyNumber(key, prefix, count)) values.try_emplace(n, value);
    });
    return values;
}

void AddChangeLines(const TIniFile& news, const std::string& version, std::vector<std::string>& lines) {
    const int count = news.ReadInteger(version, "Lines", 0);
    for (auto& [number, line] : NumberedValues(news, version, "line", count))
        if (!line.empty()) lines.push_back(std::move(line));
}

} // namespace

NewsReport ReadNews(const TIniFile& news, std::string_view runningVersion) {
    NewsReport report;
    report.genuine = news.ReadString("VersionList", "Signature", "") == "Quillor";
    if (!report.genuine) return report;
    const int count = news.ReadInteger("VersionList", "versions", 0);
    const std::map<int, std::string> versions = NumberedValues(news, "VersionList", "version", count);
    bool passed = false;
    for (const auto& [number, version] : versions) {
        if (version == runningVersion)
            passed = true;
        else if (passed && !version.empty())
            AddChangeLines(news, version, report.changeLines);
    }
    if (const auto last = versions.find(count); last != versions.end()) report.lastVersion = last->second;
    return report;
}

} // namespace mcb

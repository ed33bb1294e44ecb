#include "storage/MyIniFiles.h"
#include "storage/Settings.h"

#include <map>
#include <utility>

namespace mcb {

namespace {

using KeyName = std::pair<std::string, std::string>;
using KeyTexts = std::map<KeyName, std::optional<std::string>>;

KeyTexts TextsOf(const Settings& settings) {
    KeyTexts texts;
    for (ClosingKey& key : ClosingKeys(settings)) texts.emplace(KeyName{key.section, key.key}, std::move(key.value));
    return texts;
}

// Values never hold a line break, so this default tells a missing key from any stored one.
bool InFile(const TIniFile& ini, const ClosingKey& key) {
    return ini.ReadString(key.section, key.key, "\n") != "\n";
}

// The file's value as read at start-up would have it; the main size, which the settings hold only
// in the normal state, as it stands.
std::optional<std::string> TheirValue(const KeyTexts& theirs, const TIniFile& ini, const ClosingKey& key) {
    const auto found = theirs.find({key.section, key.key});
    return found != theirs.end() ? found->second : ini.ReadString(key.section, key.key, "");
}

} // namespace

void MergeSettings(TIniFile& ini, const Settings& atStart, const Settings& mine, int today,
                   const std::function<bool()>& overwriteTheirs) {
    const KeyTexts base = TextsOf(atStart);
    const KeyTexts theirs = TextsOf(ReadSettings(ini, today));
    std::vector<ClosingKey> conflicts;
    for (const ClosingKey& key : ClosingKeys(mine)) {
        const KeyName name{key.section, key.key};
        const bool inFile = InFile(ini, key);
        if (!inFile && !key.value) continue;
        const std::optional<std::string> their = TheirValue(theirs, ini, key);
        const auto start = base.find(name);
        const bool changedHere = start == base.end() || start->second != key.value;
        const bool changedThere = start != base.end() && their != start->second;
        if (inFile && (!changedHere || their == key.value)) continue;
        if (inFile && changedThere)
            conflicts.push_back(key);
        else
            WriteClosingKey(ini, key);
    }
    if (!conflicts.empty() && overwriteTheirs())
        for (const ClosingKey& key : conflicts) WriteClosingKey(ini, key);
}

} // namespace mcb

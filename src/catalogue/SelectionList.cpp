#include "catalogue/SelectionList.h"

#include "storage/Cp1251.h"

#include <algorithm>

namespace mcb {

bool SelectionList::Contains(std::string_view value) const {
    return std::find(entries.begin(), entries.end(), value) != entries.end();
}

SelectionList ParseSelectionList(std::string_view text) {
    SelectionList list;
    text = TrimRightBlanks(text);
    if (text.empty() || text == "-1") return list;
    list.active = true;
    while (list.entries.size() < kSelectionListCapacity) {
        const size_t blank = text.find(' ');
        list.entries.emplace_back(text.substr(0, std::min(blank, kSelectionEntryLength)));
        if (blank == std::string_view::npos) break;
        text.remove_prefix(blank + 1);
    }
    return list;
}

} // namespace mcb

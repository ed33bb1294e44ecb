#include "catalogue/TableNames.h"

#include "catalogue/ReferenceNames.h"
#include "storage/MyIniFiles.h"

namespace mcb {

namespace {

const char* Section(NameList list) {
    switch (list) {
    case NameList::Genres:
        return "Genres";
    case NameList::Countries:
        return "Countries";
    case NameList::Companies:
        return "Company";
    }
    return "";
}

} // namespace

TableNames::TableNames() {
    Clear();
}

void TableNames::Clear() {
    for (List& list : lists_) {
        list.byNumber.assign(kRememberedIndices, kUnknown);
        list.bySpelling.clear();
    }
    names_.clear();
}

uint32_t TableNames::Read(const TIniFile& catalogue, NameList list, std::string_view index) {
    names_.push_back(catalogue.ReadString(Section(list), std::string(index), std::string()));
    return uint32_t(names_.size() - 1);
}

uint32_t TableNames::Id(const TIniFile& catalogue, NameList list, std::string_view index) {
    List& names = lists_[size_t(list)];
    const int number = PlainIndexNumber(index);
    if (number >= 0) {
        uint32_t& id = names.byNumber[size_t(number)];
        if (id == kUnknown) id = Read(catalogue, list, index);
        return id;
    }
    const auto [found, added] = names.bySpelling.try_emplace(std::string(index), 0);
    if (added) found->second = Read(catalogue, list, index);
    return found->second;
}

} // namespace mcb

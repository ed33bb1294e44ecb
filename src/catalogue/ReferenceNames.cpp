#include "catalogue/ReferenceNames.h"

#include "storage/MyIniFiles.h"

#include <utility>

namespace mcb {

int PlainIndexNumber(std::string_view index) {
    if (index.empty() || index.size() > 4 || (index[0] == '0' && index.size() > 1)) return -1;
    int number = 0;
    for (char c : index) {
        if (c < '0' || c > '9') return -1;
        number = number * 10 + (c - '0');
    }
    return number < kRememberedIndices ? number : -1;
}

ReferenceNames::ReferenceNames(const TIniFile& catalogue, std::string section)
    : catalogue_(catalogue), section_(std::move(section)) {}

std::string ReferenceNames::Name(std::string_view index) {
    const int number = PlainIndexNumber(index);
    if (number < 0) return catalogue_.ReadString(section_, std::string(index), std::string());
    if (size_t(number) >= byNumber_.size()) byNumber_.resize(number + 1);
    auto& name = byNumber_[number];
    if (!name) name = catalogue_.ReadString(section_, std::string(index), std::string());
    return *name;
}

} // namespace mcb

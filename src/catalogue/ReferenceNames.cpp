#include "catalogue/ReferenceNames.h"

#include "storage/MyIniFiles.h"

#include <utility>

namespace mcb {

namespace {

constexpr int kRemembered = 4096;

// The number of an index written as plain decimal digits without leading zeros below kRemembered,
// or -1; only such texts share a remembered name, so other spellings are still read as they are.
int PlainNumber(const std::string& index) {
    if (index.empty() || index.size() > 4 || (index[0] == '0' && index.size() > 1)) return -1;
    int number = 0;
    for (char c : index) {
        if (c < '0' || c > '9') return -1;
        number = number * 10 + (c - '0');
    }
    return number < kRemembered ? number : -1;
}

} // namespace

ReferenceNames::ReferenceNames(const TIniFile& catalogue, std::string section)
    : catalogue_(catalogue), section_(std::move(section)) {}

std::string ReferenceNames::Name(const std::string& index) {
    const int number = PlainNumber(index);
    if (number < 0) return catalogue_.ReadString(section_, index, std::string());
    if (size_t(number) >= byNumber_.size()) byNumber_.resize(number + 1);
    auto& name = byNumber_[number];
    if (!name) name = catalogue_.ReadString(section_, index, std::string());
    return *name;
}

} // namespace mcb

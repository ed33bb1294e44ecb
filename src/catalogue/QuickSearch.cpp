#include "catalogue/QuickSearch.h"

namespace mcb {

void QuickSearch::SetText(const std::string& typed, bool findsNothing) {
    words_ = SearchWords(typed);
    findsNothing_ = findsNothing;
}

void QuickSearch::Prepare(const TIniFile& catalogue) {
    if (!index_) index_.emplace();
    if (index_->Update(catalogue)) foundFor_.reset();
}

const std::vector<uint32_t>* QuickSearch::Found(const TIniFile& catalogue) {
    if (!active()) return nullptr;
    if (findsNothing_) {
        found_.clear();
        foundFor_.reset();
        return &found_;
    }
    Prepare(catalogue);
    if (foundFor_ && words_.Narrows(*foundFor_))
        found_ = index_->FindAmong(words_, found_);
    else
        found_ = index_->Find(words_);
    foundFor_ = words_;
    return &found_;
}

} // namespace mcb

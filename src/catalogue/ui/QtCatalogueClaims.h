// The claims of running programs on their catalogues: the lock of CatalogueLock, and beside it a
// local socket in the same private folder on which the holder answers a later start's request to
// come to the front.
#pragma once

#include "catalogue/CatalogueClaims.h"

#include <functional>
#include <map>
#include <memory>
#include <string>

namespace mcb {

class QtCatalogueClaims : public CatalogueClaims {
public:
    // `raise` brings the program's window to the front and tells whether it is now shown.
    explicit QtCatalogueClaims(std::function<bool()> raise);
    ~QtCatalogueClaims() override;

    std::unique_ptr<CatalogueClaim> Claim(const std::string& catalogue) override;
    bool RaiseHolder(const std::string& catalogue) override;

    // Longest wait for the holder's answer, within the two seconds a second start may take.
    static constexpr int kAnswerWaitMs = 1500;

private:
    struct Holding;
    std::function<bool()> raise_;
    std::map<std::string, std::weak_ptr<Holding>> held_; // by claim name
};

} // namespace mcb

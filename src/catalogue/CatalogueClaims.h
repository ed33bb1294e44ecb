// One program per catalogue: two windows on one catalogue would undo each other's saves. A running
// program claims the catalogue it has open; another start on the same catalogue asks it to come to
// the front instead of opening it a second time.
#pragma once

#include <memory>
#include <string>

namespace mcb {

// Held for as long as the program has the catalogue open.
class CatalogueClaim {
public:
    virtual ~CatalogueClaim() = default;
};

class CatalogueClaims {
public:
    virtual ~CatalogueClaims() = default;
    // Null when another running program of the user holds the catalogue. When no claim can be had
    // at all (no private folder for it), a claim that holds nothing, so that the program still works.
    // Claiming again a catalogue this program holds gives it again.
    virtual std::unique_ptr<CatalogueClaim> Claim(const std::string& catalogue) = 0;
    // Asks the program that holds the catalogue to bring its window to the front; true when it answered
    // that it did.
    virtual bool RaiseHolder(const std::string& catalogue) = 0;
};

} // namespace mcb

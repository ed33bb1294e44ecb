// The four reference lists and the parameters shared by the reference-list window and its callers.
#pragma once

#include <string>

namespace mcb {

enum class DictKind { Contacts, Countries, Genres, Companies };

// Set by a caller before it shows the reference-list window; the window returns the chosen entries
// in `selection`: one index in single selection, indices separated by single blanks in
// multi-selection ("" or "-1" = all entries).
struct DictParams {
    DictKind kind = DictKind::Genres;
    bool editMode = false;    // plain editing; clears multiSelect when the window opens
    bool multiSelect = false; // picking several entries; single selection when both flags are clear
    std::string selection;
};

// Shows the reference-list window modally with the given parameters; true when it closed with OK.
// The window installs the production picker; core logic and tests use their own.
class ListPicker {
public:
    virtual ~ListPicker() = default;
    virtual bool Pick(DictParams& params) = 0;
};

} // namespace mcb

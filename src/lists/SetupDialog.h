// The rules of the settings dialog "Настройки", free of screen code: the sort list, the ranges of
// its number fields, the journal event boxes, and when the catalogue table must be rebuilt. The
// dialog changes the settings in memory only; the main window writes them when the program closes.
#pragma once

#include "storage/Layout.h"
#include "storage/Settings.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace mcb {

// The range of a number field. A stored or typed value outside it is shown and kept as the nearest
// bound; text that is not a whole number reads as the lower bound.
struct SpinRange {
    int lowest;
    int highest;
    int maxLength; // characters the field accepts
};

inline constexpr SpinRange kTruncateRange{0, 20, 2};
inline constexpr SpinRange kNewDiscDaysRange{10, 60, 2};
inline constexpr SpinRange kJournalLinesRange{10, 9999, 4};
inline constexpr SpinRange kDebtDaysRange{1, 60, 2};

int ClampToRange(long long value, SpinRange range);
int SpinValue(std::string_view text, SpinRange range);

// Typed characters a number field takes: digits, signs and the decimal separator; anything else
// is refused with a beep.
bool SpinAcceptsChar(char32_t c, char32_t decimalSeparator);

// One check box of the journal events: its bit in "MagazEvents", name and caption (Windows-1251).
struct EventBox {
    int bit;
    const char* name;
    std::string caption;
};

const std::array<EventBox, 5>& EventBoxes();
std::array<bool, 5> EventChecks(int events);
// The sum of the bits of the checked boxes; 0 when none is.
int EventBits(const std::array<bool, 5>& checks);

// "Без сортировки" and the headings in use of columns 1 to 11; the item index is "SortOrder".
std::vector<std::string> SortItems(const TableLayout& layout);

// The dialog between showing and closing. The values it shows are the stored ones with every number
// brought into its field's range; closing copies them all back, however the dialog is closed.
class SetupDialog {
public:
    // Showing: clears the rebuild flag and gives the values for the controls, the sort order too
    // brought to the nearest item of the list (the stored one stays until the user chooses).
    SetupSettings Show(const SetupSettings& stored);

    // Choosing a sort item takes effect at once.
    void ChooseSort(SetupSettings& stored, int item);

    // A control changed by the user; those that change the table's content or look (the sort list,
    // "ShowNew", "EmptyFields", "CBColorDolg", "SEShowNew") set the rebuild flag.
    void ControlChanged(std::string_view controlName);

    // Copies the controls' values back; "SortOrder", "PictureCopy", "UpdateDate" and "NoUpdating"
    // are not the dialog's to copy.
    void Close(SetupSettings& stored, const SetupSettings& shown) const;

    // Whether the table must be rebuilt after the dialog.
    bool RebuildNeeded() const { return rebuild_; }

private:
    bool rebuild_ = false;
};

} // namespace mcb

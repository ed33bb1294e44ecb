// The command "--debtors": prints the overdue debts as the debtors window lists them and the
// "mailto:" links "Создать письма" would open with every row ticked; needs no display, writes nothing.
#pragma once

#include "platform/Services.h"

#include <iosfwd>
#include <string>

namespace mcb {

struct DebtorsRequest {
    std::string cataloguePath; // native path of the catalogue file
    const Clock& clock;        // today and the time written into the letters
    const DateFormat& dateFormat;
};

// Overdue means lent more than "DolgDays" of the settings file ago; "DolgReminder" and the filter
// do not matter. Prints UTF-8 to `out`: one line per debt (debtor, disc, days, e-mail separated by
// TAB), an empty line, then one link per letter; debtors without a plain address get no letter. A
// missing catalogue lists as empty (note on `err`, exit code 0); an unreadable one is an error
// (exit code 1, nothing on `out`).
int RunDebtorsCommand(const DebtorsRequest& request, std::ostream& out, std::ostream& err);

} // namespace mcb

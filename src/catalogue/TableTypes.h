// The catalogue table as the table build produces it: the twelve visible cells of each row and the
// four hidden lending values beside them. Texts are Windows-1251.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace mcb {

constexpr int kColumnCount = 12;

// The new-disc mark appended to the title cell (column 1).
inline constexpr const char* kNewMark = "   !New!";

struct TableRow {
    std::array<std::string, kColumnCount> cells; // identifier, titles, names ... medium
    std::string ent;                             // day the disc was added
    std::string giv;                             // day it was last lent
    std::string gin;                             // debtor's contact index, "-1" when in stock
    std::string oth;                             // owner's contact index, "-1" for the user's own disc

    bool IsLent() const { return gin != "-1"; }
};

// One overdue loan for the start-up reminder: debtor name, disc title, days since lending, debtor e-mail.
struct DebtRow {
    std::string name;
    std::string title;
    std::string days;
    std::string mail;
};

struct TableCounters {
    int all = 0;       // discs in the catalogue
    int lent = 0;      // of them lent
    int shown = 0;     // rows shown
    int shownLent = 0; // shown rows that are lent
};

// The table always holds at least one row; a table showing no disc holds one row of empty cells
// (hidden values included).
struct CatalogueTable {
    std::vector<TableRow> rows{TableRow{}};
    TableCounters counters;

    bool IsEmpty() const { return rows.empty() || rows.front().cells[0].empty(); }
};

} // namespace mcb

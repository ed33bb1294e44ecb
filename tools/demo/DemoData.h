// The records of the demo catalogue, as UTF-8 texts.
#pragma once

#include <span>

namespace mcb::demo {

struct DemoDisc {
    const char* title;
    const char* secondTitle;
    int genre;    // index in DemoGenres, -1 none
    int audience; // 0..3, -1 not given
    const char* actors;
    int country; // index in DemoCountries, -1 none
    int minutes;
    int medium; // -1 none
    int count;
    int enteredAgo;          // days before DemoToday()
    int lentAgo;             // days before DemoToday() of the last lending, -1 never lent
    int debtor;              // index in DemoContacts while lent, -1 in stock
    const char* description; // lines separated by "\n"
    const char* cover;       // file beside the catalogue, "" none
    int owner;               // index in DemoContacts for a foreign disc, -1 own
    int company;             // index in DemoCompanies, -1 none
    const char* director;
    const char* year;
};

struct DemoContact {
    const char* name;
    const char* mail;
    const char* phone;
};

std::span<const DemoDisc> DemoDiscs();
std::span<const char* const> DemoGenres();
std::span<const char* const> DemoCountries();
std::span<const char* const> DemoCompanies();
std::span<const DemoContact> DemoContacts();

} // namespace mcb::demo

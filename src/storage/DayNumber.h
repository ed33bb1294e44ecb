// Dates of the catalogue and the settings are day numbers: whole days since 30 December 1899.
#pragma once

namespace mcb {

// Day number of a date of the proleptic Gregorian calendar (1899-12-30 is 0; earlier dates are negative).
int DayNumber(int year, int month, int day);

struct CalendarDay {
    int year, month, day;
};

CalendarDay CalendarDate(int dayNumber);

} // namespace mcb

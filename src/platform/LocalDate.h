#pragma once

namespace birch {

// A day of the calendar, as the local clock shows it.
struct CalendarDate {
    int year = 1970;
    int month = 1; // 1 to 12
    int day = 1;   // 1 to 31
};

// Today's date in the local time zone.
CalendarDate localToday();

} // namespace birch

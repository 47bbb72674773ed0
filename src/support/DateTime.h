#ifndef PLUX_SUPPORT_DATETIME_H
#define PLUX_SUPPORT_DATETIME_H

#include <array>
#include <optional>
#include <string>
#include <string_view>

// A local date and time as the clock reports it.
struct TDateTime {
    int Year = 2000;
    int Month = 1;
    int Day = 1;
    int Hour = 0;
    int Minute = 0;
    int Second = 0;
    int DayOfWeek = 6;  // 0 Sunday to 6 Saturday
};

// A local time with how far that place was ahead of UTC then.
struct TLocalTime {
    TDateTime When;
    int UtcOffsetMinutes = 0;
};

// Whether the date is one of the calendar's (years from 1).
bool IsCalendarDate(int year, int month, int day);
// 0 for Sunday to 6 for Saturday, of a calendar date.
int DayOfWeek(int year, int month, int day);

// What the user's locale says about writing dates and times.
struct TLocaleFormats {
    std::array<std::string, 7> ShortDayNames = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    std::array<std::string, 7> LongDayNames = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                               "Thursday", "Friday", "Saturday"};
    std::array<std::string, 12> ShortMonthNames = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                   "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    std::array<std::string, 12> LongMonthNames = {"January",   "February", "March",    "April",
                                                  "May",       "June",     "July",     "August",
                                                  "September", "October",  "November", "December"};
    std::string TimeAMString = "AM";
    std::string TimePMString = "PM";
    std::string DateSeparator = "/";
    std::string TimeSeparator = ":";
    // The locale's own patterns, in the platform's letters (FormatLocaleDate, FormatLocaleTime).
    std::string ShortDateFormat = "dd/MM/yyyy";
    std::string LongTimeFormat = "HH:mm:ss";
};

// Formats with the date-time pattern letters d, dd, ddd, dddd, m, mm, yy, yyyy, h, hh, n, nn, s and
// ss; "/" and ":" stand for the locale's separators, text in single or double quotes is copied, and
// every other character is copied as it is.
std::string FormatDateTime(std::string_view format, const TDateTime& when, const TLocaleFormats& locale);

// Formats with the platform's date pattern letters, as its date formatting does: d and dd the day, ddd
// and dddd its short and long name, M and MM the month, MMM and MMMM its short and long name, y and yy
// the year's last two digits, yyy and longer all four. A longer run of a letter counts as its longest
// form. Text in single quotes is copied (two quotes within it give one); every other character too.
std::string FormatLocaleDate(std::string_view pattern, const TDateTime& when, const TLocaleFormats& locale);

// The same for the time letters: h and hh the hour on the 12-hour clock, H and HH on the 24-hour clock,
// m and mm the minute, s and ss the second, t the first character of the AM or PM designator, tt all of it.
std::string FormatLocaleTime(std::string_view pattern, const TDateTime& when, const TLocaleFormats& locale);

// Reads back a moment that FormatLocaleDate wrote with `datePattern`, followed, unless it is midnight,
// by a blank and what FormatLocaleTime wrote with `timePattern`; nothing when the text does not read
// so or names no calendar date and time. A two-digit year is taken in 2000 to 2099.
std::optional<TDateTime> ParseLocaleDateTime(std::string_view text,
                                             std::string_view datePattern,
                                             std::string_view timePattern,
                                             const TLocaleFormats& locale);

#endif

#ifndef PLUX_SUPPORT_DATETIME_H
#define PLUX_SUPPORT_DATETIME_H

#include <array>
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

// What the user's locale says about writing dates and times.
struct TLocaleFormats {
    std::array<std::string, 7> ShortDayNames = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    std::array<std::string, 7> LongDayNames = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                               "Thursday", "Friday", "Saturday"};
    std::string DateSeparator = "/";
    std::string TimeSeparator = ":";
    std::string ShortDateFormat = "dd/mm/yyyy";
    std::string LongTimeFormat = "hh:nn:ss";
};

// Formats with the date-time pattern letters d, dd, ddd, dddd, m, mm, yy, yyyy, h, hh, n, nn, s and
// ss; "/" and ":" stand for the locale's separators, text in single or double quotes is copied, and
// every other character is copied as it is.
std::string FormatDateTime(std::string_view format, const TDateTime& when, const TLocaleFormats& locale);

#endif

#include "support/SystemFacts.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace {

std::string PlatformDate(const char* pattern, const SYSTEMTIME& time) {
    char buffer[256] = {};
    return GetDateFormatA(LOCALE_USER_DEFAULT, 0, &time, pattern, buffer, sizeof buffer) > 0 ? buffer : "<failed>";
}

std::string PlatformTime(const char* pattern, const SYSTEMTIME& time) {
    char buffer[256] = {};
    return GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &time, pattern, buffer, sizeof buffer) > 0 ? buffer : "<failed>";
}

// The locale's names and designators as we read them, formatted by our patterns, give what the
// platform's own date and time formatting gives: for the locale's patterns and for every letter.
TEST(SystemFactsOnWindows, LocalePatternsFormatAsThePlatformFormatsThem) {
    const TLocaleFormats locale = PlatformSystemFacts().LocaleFormats();
    const std::string shortDate = locale.ShortDateFormat;
    const std::string longTime = locale.LongTimeFormat;
    const char* const patterns[] = {
        shortDate.c_str(),         longTime.c_str(),    "d dd ddd dddd ddddd", "M MM MMM MMMM MMMMM",
        "y yy yyy yyyy yyyyy",     "h hh hhh H HH HHH", "m mm mmm s ss sss",   "t tt ttt",
        "'o''clock' a''b \"q\" x", "dd'.'MM 'h' HH"};
    for (const SYSTEMTIME& time : {SYSTEMTIME{2004, 2, 2, 3, 15, 5, 7, 0}, SYSTEMTIME{2011, 11, 0, 20, 0, 0, 0, 0},
                                   SYSTEMTIME{1999, 12, 5, 31, 9, 59, 1, 0}}) {
        const TDateTime when{time.wYear,   time.wMonth,  time.wDay,      time.wHour,
                             time.wMinute, time.wSecond, time.wDayOfWeek};
        for (const char* pattern : patterns) {
            SCOPED_TRACE(std::string(pattern) + " at " + std::to_string(time.wYear));
            EXPECT_EQ(FormatLocaleDate(pattern, when, locale), PlatformDate(pattern, time));
            EXPECT_EQ(FormatLocaleTime(pattern, when, locale), PlatformTime(pattern, time));
        }
    }
}

}  // namespace

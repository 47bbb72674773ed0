#include "support/DateTime.h"

#include <gtest/gtest.h>

namespace {

TEST(DateTime, FormatsPatternLettersSeparatorsAndQuotedText) {
    TLocaleFormats locale;
    locale.TimeSeparator = ".";
    locale.DateSeparator = "-";
    const TDateTime when{2004, 2, 3, 9, 5, 7, 2};
    struct TCase {
        const char* format;
        const char* result;
    } cases[] = {
        {"ddd dd-mm-yyyy hh:nn", "Tue 03-02-2004 09.05"},
        {"d/m/yy h:n:s", "3-2-04 9.5.7"},
        {"dddd DD/MM/YYYY HH:NN:SS", "Tuesday 03-02-2004 09.05.07"},
        {"'dd' \"mm\" x", "dd mm x"},
        {"", ""},
    };
    for (const auto& row : cases)
        EXPECT_EQ(FormatDateTime(row.format, when, locale), row.result) << row.format;
}

}  // namespace

TEST(DateTime, FormatsTheLocalesDateAndTimePatterns) {
    TLocaleFormats locale;
    locale.ShortDayNames[2] = "di";
    locale.LongDayNames[2] = "dinsdag";
    locale.ShortMonthNames[1] = "feb";
    locale.LongMonthNames[1] = "februari";
    locale.TimeAMString = "vm";
    locale.TimePMString = "nm";
    const TDateTime afternoon{2004, 2, 3, 15, 5, 7, 2};
    const TDateTime midnight{2004, 2, 3, 0, 0, 0, 2};
    struct TCase {
        const char* pattern;
        const char* date;
        const char* time;
        const char* midnightTime;
    } cases[] = {
        {"d/M/y", "3/2/04", "d/M/y", "d/M/y"},
        {"dd-MM-yy", "03-02-04", "dd-MM-yy", "dd-MM-yy"},
        {"yyy yyyy yyyyy", "2004 2004 2004", "yyy yyyy yyyyy", "yyy yyyy yyyyy"},
        {"ddd dddd ddddd", "di dinsdag dinsdag", "ddd dddd ddddd", "ddd dddd ddddd"},
        {"MMM MMMM MMMMM", "feb februari februari", "MMM MMMM MMMMM", "MMM MMMM MMMMM"},
        {"h:mm:ss tt", "h:mm:ss tt", "3:05:07 nm", "12:00:00 vm"},
        {"hh H HH hhh", "hh H HH hhh", "03 15 15 03", "12 0 00 12"},
        {"m mm mmm s ss", "m mm mmm s ss", "5 05 05 7 07", "0 00 00 0 00"},
        {"t tt ttt", "t tt ttt", "n nm nm", "v vm vm"},
        {"'o''clock' x", "o'clock x", "o'clock x", "o'clock x"},
        {"dd'.'MM 'h' HH", "03.02 h HH", "dd.MM h 15", "dd.MM h 00"},
        {"'unclosed d", "unclosed d", "unclosed d", "unclosed d"},
        {"a''b \"q\"", "ab \"q\"", "ab \"q\"", "ab \"q\""},
        {"", "", "", ""},
    };
    for (const TCase& row : cases) {
        SCOPED_TRACE(row.pattern);
        EXPECT_EQ(FormatLocaleDate(row.pattern, afternoon, locale), row.date);
        EXPECT_EQ(FormatLocaleTime(row.pattern, afternoon, locale), row.time);
        EXPECT_EQ(FormatLocaleTime(row.pattern, midnight, locale), row.midnightTime);
    }
    locale.TimeAMString.clear();
    EXPECT_EQ(FormatLocaleTime("H:mm t", midnight, locale), "0:00 ") << "a locale without designators";
}

// A snapshot's timestamp comes back as written in the locale's patterns; anything else is no moment.
TEST(DateTime, ReadsBackAMomentWrittenInTheLocalesPatterns) {
    TLocaleFormats dutch;
    dutch.ShortMonthNames[4] = "mei";
    dutch.LongMonthNames[4] = "mei";
    dutch.ShortDayNames[4] = "do";
    dutch.TimeAMString = "vm";
    dutch.TimePMString = "nm";
    const struct {
        const char* date;
        const char* time;
    } patterns[] = {
        {"dd/MM/yyyy", "HH:mm:ss"},     {"M/d/yyyy", "h:mm:ss tt"}, {"yyyy-MM-dd", "H:mm:ss"},
        {"ddd d MMMM yy", "hh'h'mm t"}, {"d. MMM yyyy", "HH.mm"},
    };
    for (const auto& pattern : patterns) {
        for (const TDateTime& when : {TDateTime{2024, 5, 2, 20, 30, 12, 4}, TDateTime{2024, 5, 2, 0, 0, 0, 4},
                                      TDateTime{2024, 12, 31, 12, 5, 0, 2}, TDateTime{2024, 5, 2, 0, 0, 9, 4}}) {
            TDateTime expected = when;
            if (std::string_view(pattern.time).find('s') == std::string_view::npos)
                expected.Second = 0;
            const std::string written = FormatLocaleDate(pattern.date, expected, dutch) +
                                        (expected.Hour + expected.Minute + expected.Second == 0
                                             ? ""
                                             : " " + FormatLocaleTime(pattern.time, expected, dutch));
            SCOPED_TRACE(written);
            const std::optional<TDateTime> read = ParseLocaleDateTime(written, pattern.date, pattern.time, dutch);
            ASSERT_TRUE(read);
            EXPECT_EQ((std::vector<int>{read->Year, read->Month, read->Day, read->Hour, read->Minute, read->Second,
                                        read->DayOfWeek}),
                      (std::vector<int>{expected.Year, expected.Month, expected.Day, expected.Hour, expected.Minute,
                                        expected.Second, expected.DayOfWeek}));
        }
    }
    for (const char* text :
         {"", "02/05/2024 08:30", "02-05-2024 08:30:00", "31/02/2024", "02/13/2024", "02/05/2024 24:00:00",
          "02/05/2024 08:30:00 ", "02/05/2024  08:30:00", "2/5/2024x", "02/05/24", "02/05/2024T08:30:00"})
        EXPECT_FALSE(ParseLocaleDateTime(text, "dd/MM/yyyy", "HH:mm:ss", dutch)) << text;
    EXPECT_FALSE(ParseLocaleDateTime("5/2/2024 13:30:00 nm", "M/d/yyyy", "h:mm:ss tt", dutch));
    EXPECT_FALSE(ParseLocaleDateTime("5/2/2024 1:30:00 xm", "M/d/yyyy", "h:mm:ss tt", dutch));
}

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

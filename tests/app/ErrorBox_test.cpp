#include "app/ErrorBox.h"

#include <gtest/gtest.h>

namespace {

TEST(ErrorBox, AppendsAPeriodOnlyAfterCharactersThatSortAfterIt) {
    struct TCase {
        const char* message;
        const char* text;
    } cases[] = {
        {"Printer selected is not valid", "Printer selected is not valid."},
        {"", ""},
        {"Done.", "Done."},
        {"Really?", "Really?."},
        {"ends with -", "ends with -"},
        {"ends with blank ", "ends with blank "},
        {"ends with /", "ends with /."},
        {"caf\xE9", "caf\xE9."},
    };
    for (const TCase& row : cases)
        EXPECT_EQ(ErrorBoxText(row.message), row.text) << row.message;
}

}  // namespace

#include "snapshot/NameSanitizer.h"

#include <gtest/gtest.h>

namespace {

TEST(NameSanitizer, ReplacesEveryByteOutsideTheAllowedSetOneForOne) {
    struct TCase {
        const char* name;
        std::string text;
        TCaseMode caseMode;
        TExclusions exclusions;
        char replaceChar;
        std::string result;
    } cases[] = {
        {"empty", "", TCaseMode::cmKeep, 0, '_', ""},
        {"never allowed signs", "a*b?c$%&+,;<=>^`|~", TCaseMode::cmKeep, 0, '_', "a_b_c_____________"},
        {"base set kept", "!#()-09@AZ[]_az{}", TCaseMode::cmKeep, 0, '_', "!#()-09@AZ[]_az{}"},
        {"optional classes allowed without exclusions", "my result 'x\":C:\\d/f.plx", TCaseMode::cmKeep, 0, '_',
         "my result 'x\":C:\\d/f.plx"},
        {"space excluded", "my result", TCaseMode::cmKeep, exSpace, '_', "my_result"},
        {"quotes excluded", "'x\"", TCaseMode::cmKeep, exQuotes, '_', "_x_"},
        {"period excluded", "x.y", TCaseMode::cmKeep, exPeriod, '_', "x_y"},
        {"colon and slashes excluded", "C:\\dir/f", TCaseMode::cmKeep, exColon | exSlashes, '_', "C__dir_f"},
        {"all excluded", " \"':/\\.", TCaseMode::cmKeep, exSpace | exQuotes | exColon | exSlashes | exPeriod, '-',
         "-------"},
        {"control characters, DEL and high bytes", std::string("\x01\t\x1F\x7F\x80\xE9\xFF", 7), TCaseMode::cmKeep, 0,
         '_', "_______"},
        {"NUL", std::string("a\0b", 3), TCaseMode::cmKeep, 0, '_', "a_b"},
        {"upper case, high letters keep theirs and are replaced", "abc\xE9", TCaseMode::cmUpper, 0, '_', "ABC_"},
        {"lower case", "ABC", TCaseMode::cmLower, 0, '_', "abc"},
        {"unknown case mode keeps", "aB", static_cast<TCaseMode>(7), 0, '_', "aB"},
        {"a never-allowed replacement is still written", "a?b", TCaseMode::cmKeep, 0, '*', "a*b"},
    };
    for (const TCase& row : cases) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(SanitizeName(row.text, row.caseMode, row.exclusions, row.replaceChar), row.result);
    }
}

}  // namespace

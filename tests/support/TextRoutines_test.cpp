#include "support/TextRoutines.h"

#include <gtest/gtest.h>

namespace {

TEST(TextRoutines, TrimDropsControlCharactersAndBlanksOnly) {
    EXPECT_EQ(Trim(" \t\r\n\x01x y\x1f "), "x y");
    EXPECT_EQ(Trim("\xA0x\xA0"), "\xA0x\xA0") << "code 160 is not a blank";
    EXPECT_EQ(TrimLeft("  a "), "a ");
    EXPECT_EQ(TrimRight("  a "), "  a");
    EXPECT_EQ(Trim("   "), "");
}

TEST(TextRoutines, CaseFoldingTouchesAsciiLettersOnly) {
    EXPECT_EQ(UpperCase("ab\xE9z{"), "AB\xE9Z{");
    EXPECT_EQ(LowerCase("AB\xC9Z@"), "ab\xC9z@");
    EXPECT_TRUE(SameTextUpper("Grid", "gRID"));
    EXPECT_FALSE(SameTextUpper("\xE9", "\xC9"));
}

TEST(TextRoutines, PositionsCountFromOneAndZeroMeansNotFound) {
    EXPECT_EQ(PosText("(Delphi", "Grid 4 (dElPhI 7)"), 8u);
    EXPECT_EQ(PosText("(Delphi", "Grid 4"), 0u);
    EXPECT_EQ(PosText("a", "aaa"), 1u);
    EXPECT_EQ(LastCharPos('\\', "C:\\a\\b"), 5u);
    EXPECT_EQ(LastCharPos('x', "abc"), 0u);
    EXPECT_EQ(LastChar("abc"), 'c');
    EXPECT_EQ(LastChar(""), '\0');
}

TEST(TextRoutines, ReplaceTextReplacesEveryOccurrenceWithoutRescanningInsertedText) {
    EXPECT_EQ(ReplaceText(":EXE:sub:exe:", ":exe:", "X\\"), "X\\subX\\");
    EXPECT_EQ(ReplaceText("aAa", "a", "aa"), "aaaaaa");
    EXPECT_EQ(ReplaceText("abc", "", "x"), "abc");
    EXPECT_EQ(ReplaceText("abc", "d", "x"), "abc");
    EXPECT_EQ(ReplaceText("xABx", "ab", ""), "xx");
}

TEST(TextRoutines, CutTailRemovesUpToTheWholeText) {
    struct TCase {
        const char* text;
        int n;
        const char* result;
    } cases[] = {{"a;", 1, "a"}, {"ab", 5, ""}, {"ab", 2, ""}, {"ab", 0, "ab"}, {"ab", -3, "ab"}};
    for (const TCase& row : cases) {
        std::string text = row.text;
        CutTail(text, row.n);
        EXPECT_EQ(text, row.result) << row.text << " " << row.n;
    }
}

}  // namespace

#include "check/BandColours.h"

#include <gtest/gtest.h>

namespace {

TEST(BandColours, CodeToColorReadsPairsAndCountsInvalidPartsAsZero) {
    struct TCase {
        const char* name;
        std::string_view code;
        TColorValue color;
    } cases[] = {
        {"design colour 1", "#dcFED6", 0xD6FEDC},
        {"design colour 2", "#ffffc8", 0xC8FFFF},
        {"short code padded with zeros", "#abc", 49323},
        {"empty", "", 0},
        {"hash alone", "#", 0},
        {"invalid red pair", "#zz0000", 0},
        {"surrounding blanks", "  #102030  ", 0x302010},
        {"seven digits without hash", "1020304", 0x302010},
        {"digits beyond the code", "#1020304", 0x302010},
        {"second hash is a digit", "##dcFED6", 0xEDCF00},
        {"control characters trimmed", "\t#0000FF\r\n", 0xFF0000},
        {"high bytes are not digits",
         "#\xC9"
         "\xC9"
         "FFFF",
         0xFFFF00},
        {"embedded NUL is not a digit", std::string_view("#00\0FFFF", 8), 0xFF0000},
    };
    for (const TCase& row : cases) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(CodeToColor(row.code), row.color);
    }
}

TEST(BandColours, ColorToCodeWritesUpperCaseDigitsAndIgnoresTheTopByte) {
    EXPECT_EQ(ColorToCode(14089948), "#DCFED6");
    EXPECT_EQ(ColorToCode(0), "#000000");
    EXPECT_EQ(ColorToCode(0xFF0A0B0C), "#0C0B0A");
}

TEST(BandColours, ColorToCodeRoundTripsThroughCodeToColor) {
    for (TColorValue color : {0x000000u, 0xFFFFFFu, 0x123456u, 0xC8FFFFu, 0x00FF00u})
        EXPECT_EQ(CodeToColor(ColorToCode(color)), color) << color;
}

}  // namespace

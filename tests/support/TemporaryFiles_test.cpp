#include "support/TemporaryFiles.h"

#include <gtest/gtest.h>

namespace {

// The temporaries of an interrupted save are told from the files of a user by their name alone.
TEST(TemporaryFiles, AreTheTargetsNameAndTheWritingProcess) {
    EXPECT_EQ(TemporaryPath("C:\\Tools\\base.plx", 476), "C:\\Tools\\base.plx.~476");
    const struct {
        const char* name;
        bool temporary;
    } rows[] = {
        {"base.plx.~476", true},   {"BASE.PLX.~4294967295", true},
        {"base.plx.~", false},     {"base.plx.~12345678901", false},
        {"base.plx.~47a", false},  {"base.plx.~-1", false},
        {"base.plx", false},       {"base.plx.bak", false},
        {"base.plx~476", false},   {"base.plx.~476.plx", false},
        {"other.plx.~476", false}, {"my base.plx.~476", false},
        {"rfbc2a.tmp", false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(IsTemporaryName(row.name, "base.plx"), row.temporary);
    }
}

}  // namespace

#include "support/WholeFileIni.h"

#include <gtest/gtest.h>

namespace {

TEST(WholeFileIni, ReadsTrimmedKeysAndValuesWithoutRegardToCase) {
    const ini::TWholeFileIni file(
        "; settings\r\n"
        "orphan=before any section\r\n"
        "  [ Plux ]  \r\n"
        "\tProgDataFolder =  D:\\Data  \r\n"
        "  ;UserDataFolder=commented\r\n"
        "no equals sign\r\n"
        "ProductCode=A=B\r\n"
        "Empty=\r\n"
        "progdatafolder=second\r\n"
        "[Other]\n"
        "ProductCode=OTHER\n"
        "[plux]\n"
        "ExeDataFolder=continued\n"
        "[]\n"
        "=nameless key\n"
        "[broken\n"
        "Tail=x");
    struct TCase {
        const char* section;
        const char* key;
        const char* value;
    } cases[] = {
        {"PLUX", "progDATAfolder", "D:\\Data"},
        {"Plux", "ProductCode", "A=B"},
        {"Plux", "Empty", ""},
        {"Plux", "UserDataFolder", "<default>"},
        {"Plux", "no equals sign", "<default>"},
        {"Plux", "ExeDataFolder", "continued"},
        {"Other", "ProductCode", "OTHER"},
        {"", "", "nameless key"},
        {"", "orphan", "<default>"},
        {"", "Tail", "x"},
        {"Missing", "ProductCode", "<default>"},
    };
    for (const TCase& row : cases) {
        EXPECT_EQ(file.ReadString(row.section, row.key, "<default>"), row.value) << row.section << "/" << row.key;
    }
}

TEST(WholeFileIni, EmptyOrBinaryContentReadsAsMissing) {
    EXPECT_EQ(ini::TWholeFileIni("").ReadString("a", "b", "d"), "d");
    EXPECT_EQ(ini::TWholeFileIni(std::string("[a]\0b=c\n", 8)).ReadString("a", "b", "d"), "d");
    EXPECT_EQ(ini::TWholeFileIni("[a]\rb=c").ReadString("a", "b", "d"), "d") << "a lone CR does not end a line";
}

}  // namespace

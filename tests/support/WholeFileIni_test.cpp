#include "support/WholeFileIni.h"

#include <gtest/gtest.h>

#include "support/ProfileFileCases.h"

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
}

// Saved by another editor: the same settings read the same.
TEST(WholeFileIni, AcceptsByteOrderMarksAndEveryLineEnd) {
    struct TCase {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"lone CR", "[plux]\rProductCode=X\xC9\rTail=1"},
        {"UTF-8 mark", "\xEF\xBB\xBF[plux]\r\nProductCode=X\xC3\x89\r\n"},
        {"UTF-16 LE mark", Utf16Bytes(u"[plux]\r\nProductCode=X\u00C9\r\n", false)},
        {"UTF-16 BE mark", Utf16Bytes(u"[plux]\nProductCode=X\u00C9\n", true)},
    };
    for (const TCase& row : cases) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(ini::TWholeFileIni(row.bytes).ReadString("plux", "ProductCode", "d"), "X\xC9");
    }
}

}  // namespace

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

TEST(WholeFileIni, IntegersAreDecimalOrHexadecimalAfter0x) {
    struct TCase {
        const char* value;
        int integer;  // read with the default 99
        bool flag;    // read with the default false
    } cases[] = {
        {"7", 7, true},
        {"0", 0, false},
        {"-12", -12, true},
        {"+5", 5, true},
        {"0x1", 1, true},
        {"0X1f", 31, true},
        {"-0x10", -16, true},
        {"0xFFFFFFFF", -1, true},
        {"2147483647", 2147483647, true},
        {"-2147483648", -2147483647 - 1, true},
        {"2147483648", 99, false},
        {"0x123456789", 99, false},
        {"0x", 99, false},
        {"1.5", 99, false},
        {"12a", 99, false},
        {"yes", 99, false},
        {"- 1", 99, false},
        {"", 99, false},
    };
    for (const TCase& row : cases) {
        SCOPED_TRACE(row.value);
        const ini::TWholeFileIni file(std::string("[s]\nk=") + row.value + "\n");
        EXPECT_EQ(file.ReadInteger("s", "k", 99), row.integer);
        EXPECT_EQ(file.ReadBool("s", "k", false), row.flag);
    }
    EXPECT_TRUE(ini::TWholeFileIni("").ReadBool("s", "k", true)) << "missing: the default";
}

TEST(WholeFileIni, EnumeratesSectionsAndKeysAsFirstWritten) {
    const ini::TWholeFileIni file("[One]\nA=1\nplain line\nb = 2\n[two]\n[ONE]\nC=3\na=again\n");
    EXPECT_EQ(file.Sections(), (std::vector<std::string>{"One", "two"}));
    EXPECT_EQ(file.Keys("one"), (std::vector<std::string>{"A", "b", "C", "a"}));
    EXPECT_TRUE(file.Keys("two").empty());
    EXPECT_TRUE(file.Keys("three").empty());
}

TEST(WholeFileIni, WritesReplaceInPlaceOrAppendAndTheTextKeepsOtherLines) {
    ini::TWholeFileIni file(
        "top=dropped\r\n"
        "[Keep]\r\n"
        "; a comment\r\n"
        "  Name  =  old  \r\n"
        "a line of its own\r\n"
        "[Gone.1]\r\n"
        "x=1\r\n"
        "[gone.2]\r\n"
        "[Other]\r\n"
        "y=2\r\n");
    file.WriteString("keep", "NAME", "new");
    file.WriteInteger("Keep", "Count", -3);
    file.WriteBool("Fresh", "On", true);
    file.WriteBool("Fresh", "Off", false);
    file.EraseSections([](std::string_view name) { return name.starts_with("Gone."); });
    const std::string expected =
        "[Keep]\r\n"
        "NAME=new\r\n"
        "a line of its own\r\n"
        "Count=-3\r\n"
        "\r\n"
        "[gone.2]\r\n"
        "\r\n"
        "[Other]\r\n"
        "y=2\r\n"
        "\r\n"
        "[Fresh]\r\n"
        "On=1\r\n"
        "Off=0\r\n"
        "\r\n";
    EXPECT_EQ(file.Text(), expected);
    EXPECT_EQ(ini::TWholeFileIni(expected).Text(), expected) << "a written text reads back as itself";
    EXPECT_EQ(file.ReadString("GONE.1", "x", "-"), "-");
    EXPECT_EQ(file.ReadString("Other", "y", "-"), "2") << "sections are found again after a removal";
    EXPECT_EQ(ini::TWholeFileIni().Text(), "");
}

}  // namespace

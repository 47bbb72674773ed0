#include "sources/RegistryExport.h"

#include <gtest/gtest.h>

#include "support/EncodedFile.h"
#include "support/IniText.h"
#include "support/RaisedMessage.h"
#include "support/TempDir.h"

namespace {

using TPairs = std::vector<std::pair<std::string, std::string>>;

TPairs PairsOf(const TProductList& products) {
    TPairs pairs;
    for (std::size_t i = 0; i < products.ProductNames.size(); ++i)
        pairs.emplace_back(products.ProductNames[i], products.ProductVersions.at(i));
    return pairs;
}

TPairs Read(const std::string& body) {
    return PairsOf(ReadRegistryExport("REGEDIT4\r\n\r\n" + body, "x.reg").Products);
}

constexpr const char* kRoot = "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Component Suite VCL Products";

std::string Key(const std::string& product) {
    return std::string(kRoot) + "\\" + product + "]\r\n";
}

TEST(RegistryExport, ReadsARegedit4ExportAsTheScanReadsTheImportedKeys) {
    const TMachineProducts read = ReadRegistryExport(ReadFixture("sources/regedit4.reg"), "regedit4.reg");
    EXPECT_EQ(PairsOf(read.Products), (TPairs{
                                          {"Grid 4 (Delphi 7)", "4.10"},
                                          {"Editors 3 (Delphi 7)", "%PLUX_VER%"},
                                          {"Charts 2 (Delphi 7)", "1.0"},
                                          {"\xC9"
                                           "dition Sp\xE9"
                                           "ciale",
                                           "2.\"1\" \\ b\xEAta"},
                                          {"No Version", ""},
                                      }));
    EXPECT_EQ(read.Facts.RegistryKey, "HKEY_LOCAL_MACHINE\\SOFTWARE\\Component Suite VCL Products");
    EXPECT_EQ(read.Facts.RegistryView, std::nullopt);
    EXPECT_EQ(read.Facts.Computer, std::nullopt);
    EXPECT_EQ(read.Facts.CheckedAt.has_value(), false);
}

TEST(RegistryExport, ReadsAVersion5ExportInUtf16FromThe32BitView) {
    const TMachineProducts read = ReadRegistryExport(ReadFixture("sources/version5.reg"), "version5.reg");
    // The key under SOFTWARE is the 64-bit view of that machine, which its scan never read.
    EXPECT_EQ(PairsOf(read.Products), (TPairs{
                                          {"Grid 4 (Delphi 7)", "4.10"},
                                          {"\xC9"
                                           "dition Sp\xE9"
                                           "ciale \x80",
                                           "2.1 \x80"},
                                          {"Kanji ?", ":[?]"},  // a name its key cannot be opened by
                                      }));
    EXPECT_EQ(read.Facts.RegistryKey, "HKEY_LOCAL_MACHINE\\SOFTWARE\\Wow6432Node\\Component Suite VCL Products");
    EXPECT_EQ(read.Facts.RegistryView, "32-bit");
}

TEST(RegistryExport, OnlyACharacterTheSingleByteSetLacksMakesAKeyUnopenable) {
    const std::string file =
        EncodedFile("Windows Registry Editor Version 5.00\r\n\r\n" + Key("What?") + "\"version\"=hex(1):31,00\r\n",
                    ini::TTextEncoding::Utf16BigEndian);
    EXPECT_EQ(PairsOf(ReadRegistryExport(file, "x.reg").Products), (TPairs{{"What?", "1"}}));
}

TEST(RegistryExport, AVersionOfAnotherTypeFailsAsTheScanDoes) {
    EXPECT_EQ(MessageOf([] { ReadRegistryExport(ReadFixture("numeric-version.reg"), "C:\\in\\numeric.reg"); }),
              "Invalid data type for 'version'\r\nC:\\in\\numeric.reg(4): \"version\"=dword:00000005");
    const struct {
        const char* name;
        std::string body;
        const char* message;
    } rows[] = {
        {"binary", Key("A") + "\"Version\"=hex:34,2e,32\r\n",
         "Invalid data type for 'version'\r\nx.reg(4): \"Version\"=hex:34,2e,32"},
        {"multi-string over two lines", Key("A") + "\"version\"=hex(7):34,00,\\\r\n  00,00\r\n",
         "Invalid data type for 'version'\r\nx.reg(4): \"version\"=hex(7):34,00,\\"},
        {"the first failing product in file order",
         Key("B") + "\"version\"=hex(0):\r\n" + Key("A") + "\"version\"=dword:1\r\n",
         "Invalid data type for 'version'\r\nx.reg(4): \"version\"=hex(0):"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(MessageOf([&] { Read(row.body); }), row.message);
    }
}

TEST(RegistryExport, AppliesTheFileAsAnImportWould) {
    const struct {
        const char* name;
        std::string body;
        TPairs products;
    } rows[] = {
        {"a key named again keeps its place and first spelling; a later value wins",
         Key("Grid 4") + "\"version\"=\"4.2\"\r\n" + Key("Bars 5") + "\"version\"=\"5.1\"\r\n" + Key("GRID 4") +
             "\"VERSION\"=\"4.10\"\r\n",
         {{"Grid 4", "4.10"}, {"Bars 5", "5.1"}}},
        {"a deleted value leaves the version empty",
         Key("Grid 4") + "\"version\"=\"4.2\"\r\n\"version\"=-\r\n",
         {{"Grid 4", ""}}},
        {"a deleted key is gone, and comes back last when created again",
         Key("A") + Key("B") + "[-" + std::string(kRoot + 1) + "\\a]\r\n" + Key("A"),
         {{"B", ""}, {"A", ""}}},
        {"deleting the root or a key above it removes every product",
         Key("A") + "[-HKEY_LOCAL_MACHINE\\SOFTWARE]\r\n" + Key("B"),
         {{"B", ""}}},
        {"a deleted subkey of a product leaves the product",
         Key("A") + "[-" + std::string(kRoot + 1) + "\\A\\Sub]\r\n",
         {{"A", ""}}},
        {"a key below a product creates the product",
         std::string(kRoot) + "\\A\\Packages\\X]\r\n\"version\"=\"9\"\r\n",
         {{"A", ""}}},
        {"the short hive name, other letter case, a last backslash",
         "[hklm\\software\\component suite vcl products\\A\\]\r\n\"version\"=\"1\"\r\n",
         {{"A", "1"}}},
        {"blanks around the equals sign and after the value",
         Key("A") + "  \"version\" = \"1.0\"  \r\n@=\"x\"\r\n",
         {{"A", "1.0"}}},
        {"an unknown escape keeps its backslash; a NUL ends the text",
         Key("A") + "\"version\"=\"C:\\Temp\\\\x\"\r\n" + Key("B") + "\"version\"=hex(1):31,00,32\r\n",
         {{"A", "C:\\Temp\\x"}, {"B", "1"}}},
        {"a last continuation at the end of the file", Key("A") + "\"version\"=hex(2):31,00,\\", {{"A", "1"}}},
        {"lines elsewhere are not read, whatever they hold",
         "[HKEY_CURRENT_USER\\Software\\X]\r\nanything at all\r\n\"v\"=hex:zz\r\n" + Key("A"),
         {{"A", ""}}},
        {"LF line ends", "[HKLM\\SOFTWARE\\Component Suite VCL Products\\A]\n\"version\"=\"2\"\n", {{"A", "2"}}},
        {"no product root key", "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Component Suite]\r\n", {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(Read(row.body), row.products);
    }
}

TEST(RegistryExport, ALineItCannotUseIsAnErrorWithFileLineAndText) {
    const struct {
        const char* name;
        std::string file;
        const char* message;
    } rows[] = {
        {"no header", "[HKLM\\SOFTWARE]\r\n", "Not a registry export\r\nx.reg(1): [HKLM\\SOFTWARE]"},
        {"another header", "\r\nREGEDIT5\r\n", "Not a registry export\r\nx.reg(2): REGEDIT5"},
        {"an empty file", "", "Not a registry export\r\nx.reg"},
        {"a key without its bracket", "REGEDIT4\r\n[HKLM\\Other\r\n",
         "Key name without a closing bracket\r\nx.reg(2): [HKLM\\Other"},
        {"not a value", "REGEDIT4\r\n" + Key("A") + "version=\"1\"\r\n", "Not a value line\r\nx.reg(3): version=\"1\""},
        {"a name without its quote", "REGEDIT4\r\n" + Key("A") + "\"version=\"1\"\r\n",
         "Value without \"=\"\r\nx.reg(3): \"version=\"1\""},
        {"a name without its quote at all", "REGEDIT4\r\n" + Key("A") + "\"version=1\r\n",
         "Value name without a closing quote\r\nx.reg(3): \"version=1"},
        {"no equals sign", "REGEDIT4\r\n" + Key("A") + "\"version\" \"1\"\r\n",
         "Value without \"=\"\r\nx.reg(3): \"version\" \"1\""},
        {"a string without its quote", "REGEDIT4\r\n" + Key("A") + "\"version\"=\"1.0\r\n",
         "String without a closing quote\r\nx.reg(3): \"version\"=\"1.0"},
        {"text after the string", "REGEDIT4\r\n" + Key("A") + "\"version\"=\"1.0\" ; note\r\n",
         "Text after the closing quote\r\nx.reg(3): \"version\"=\"1.0\" ; note"},
        {"an unknown type", "REGEDIT4\r\n" + Key("A") + "\"version\"=qword:1\r\n",
         "Unknown value type \"qword\"\r\nx.reg(3): \"version\"=qword:1"},
        {"no type at all", "REGEDIT4\r\n" + Key("A") + "\"version\"=1.0\r\n",
         "Unknown value type\r\nx.reg(3): \"version\"=1.0"},
        {"a bad dword", "REGEDIT4\r\n" + Key("A") + "\"size\"=dword:123456789\r\n",
         "Not a dword: \"123456789\"\r\nx.reg(3): \"size\"=dword:123456789"},
        {"a bad hex byte on a continuation line", "REGEDIT4\r\n" + Key("A") + "\"data\"=hex:01,\\\r\n  2g\r\n",
         "Not a hex byte: \"2g\"\r\nx.reg(3): \"data\"=hex:01,\\"},
        {"an empty hex byte", "REGEDIT4\r\n" + Key("A") + "\"data\"=hex:01,,02\r\n",
         "Not a hex byte: \"\"\r\nx.reg(3): \"data\"=hex:01,,02"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(MessageOf([&] { ReadRegistryExport(row.file, "x.reg"); }), row.message);
    }
}

}  // namespace

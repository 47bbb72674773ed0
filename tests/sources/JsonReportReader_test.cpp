#include "sources/JsonReportReader.h"

#include <gtest/gtest.h>

#include "app/JsonReport.h"
#include "support/EncodedFile.h"
#include "support/IniText.h"
#include "support/RaisedMessage.h"

namespace {

// The single-byte set to UTF-8 as the program converts it, without the byte-order mark.
std::string ToUtf8(std::string_view text) {
    return ini::EncodeBytes(text, ini::TTextEncoding::Utf8);
}

TComparedProduct Product(std::string name, std::optional<std::string> version, TProductStatus status) {
    TComparedProduct product;
    product.Name = std::move(name);
    product.Family = product.Name.substr(0, 4);
    product.Version = std::move(version);
    product.SnapshotVersion = "1.0";
    product.Status = status;
    return product;
}

TComparison WrittenComparison() {
    TComparison comparison;
    comparison.Facts.Computer = "BUILD\xC9";
    comparison.Facts.User = "j \"doe\"\\x";
    comparison.Facts.CheckedAt = {2024, 2, 29, 8, 30, 12, 4};
    comparison.Facts.UtcOffsetMinutes = -150;
    comparison.Facts.RegistryKey = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Component Suite VCL Products";
    comparison.Facts.RegistryView = "32-bit";
    comparison.SnapshotName = "base";
    comparison.SnapshotSavedAt = "01/05/2024 09:00:00";
    comparison.Products = {
        Product("Grid \"4\" (Delphi 7)", "4.10", TProductStatus::Changed),
        Product("\xC9"
                "dition \x80\x9F, \\Sp\xE9"
                "ciale\t",
                " 2.0\r\nrc\x01 ", TProductStatus::Same),
        Product("Bars 5 (Delphi 7)", std::nullopt, TProductStatus::Removed),
        Product("Tools 1 (Delphi 7)", "", TProductStatus::New),
    };
    return comparison;
}

TEST(JsonReportReader, ReadsBackTheInstalledProductsAndFactsOfAReportTheProgramWrote) {
    const TComparison written = WrittenComparison();
    for (const ini::TTextEncoding encoding :
         {ini::TTextEncoding::SingleByte, ini::TTextEncoding::Utf8, ini::TTextEncoding::Utf16LittleEndian}) {
        SCOPED_TRACE(static_cast<int>(encoding));
        std::string file = JsonReport(written, {}, ToUtf8);
        if (encoding != ini::TTextEncoding::SingleByte)
            file = EncodedFile(ini::DecodeText("\xEF\xBB\xBF" + file), encoding);
        const TMachineProducts read = ReadJsonReport(file, "report.json");
        EXPECT_EQ(read.Products.ProductNames,
                  (TTextList{written.Products[0].Name, written.Products[1].Name, written.Products[3].Name}));
        EXPECT_EQ(read.Products.ProductVersions, (TTextList{"4.10", " 2.0\r\nrc\x01 ", ""}));
        EXPECT_EQ(read.Facts.Computer, "BUILD\xC9");
        EXPECT_EQ(read.Facts.User, "j \"doe\"\\x");
        ASSERT_TRUE(read.Facts.CheckedAt);
        const TDateTime& when = read.Facts.CheckedAt->When;
        EXPECT_EQ(
            (std::vector<int>{when.Year, when.Month, when.Day, when.Hour, when.Minute, when.Second, when.DayOfWeek}),
            (std::vector<int>{2024, 2, 29, 8, 30, 12, 4}));
        EXPECT_EQ(read.Facts.CheckedAt->UtcOffsetMinutes, -150);
        EXPECT_EQ(read.Facts.RegistryKey, written.Facts.RegistryKey);
        EXPECT_EQ(read.Facts.RegistryView, "32-bit");
    }
}

TEST(JsonReportReader, TakesWhatAnotherWriterMayWrite) {
    const TMachineProducts read = ReadJsonReport(
        "\t{\"products\":[{\"extra\":[1,-2.5e+3,true,false,{}],\"name\":\"\\u00c9t\\u00E9 \\u20ac\\/\\ud83d\\ude00"
        "\\ud800x\",\"version\":\"1\"},{\"name\":\"B\"}],\"computer\":null,\"user\":7,\"checkedAt\":\"2024-13-01T00:00:"
        "00+00:00\",\"products\":[]}\n",
        "other.json");
    EXPECT_EQ(read.Products.ProductNames, TTextList{"\xC9t\xE9 \x80/???x"});
    EXPECT_EQ(read.Products.ProductVersions, TTextList{"1"});
    EXPECT_EQ(read.Facts.Computer, std::nullopt);
    EXPECT_EQ(read.Facts.User, std::nullopt);
    EXPECT_FALSE(read.Facts.CheckedAt);
    EXPECT_EQ(read.Facts.RegistryKey, std::nullopt);
}

TEST(JsonReportReader, ATextItCannotUseIsAnErrorWithFileLineAndText) {
    const std::string deep = std::string(100, '[') + std::string(100, ']');
    const struct {
        const char* name;
        std::string file;
        std::string message;
    } rows[] = {
        {"not JSON", "computer: PC1\r\n", "Invalid JSON: value expected\r\nr.json(1): computer: PC1"},
        {"an empty file", "", "Invalid JSON: value expected\r\nr.json(1): "},
        {"a missing comma", "{\r\n  \"a\": 1\r\n  \"b\": 2\r\n}",
         "Invalid JSON: \",\" or \"}\" expected\r\nr.json(3): \"b\": 2"},
        {"a cut-off file", "{\"products\": [\r\n{\"name\": \"A",
         "Invalid JSON: string without a closing quote\r\nr.json(2): {\"name\": \"A"},
        {"a line break in a string", "{\"products\": [\r\n{\"name\": \"A\rB\"}]}",
         "Invalid JSON: control character in a string\r\nr.json(2): {\"name\": \"A"},
        {"a bad escape", "[\"\\x\"]", "Invalid JSON: unknown escape\r\nr.json(1): [\"\\x\"]"},
        {"a short unicode escape", "[\"\\u12\"]",
         "Invalid JSON: four hex digits expected after \"\\u\"\r\nr.json(1): [\"\\u12\"]"},
        {"a bad number", "[1.]", "Invalid JSON: digits expected after \".\"\r\nr.json(1): [1.]"},
        {"text after the end", "{}\n{}", "Invalid JSON: text after the end\r\nr.json(2): {}"},
        {"nested too deeply", deep,
         "Invalid JSON: nested too deeply\r\nr.json(1): " + std::string(100, '[') + std::string(60, ']') + "..."},
        {"not an object", "[]", "Not a report: a JSON object expected\r\nr.json(1): []"},
        {"no products", "{\r\n\"computer\": \"PC1\"\r\n}", "No \"products\" list\r\nr.json(1): {"},
        {"products not a list", "{\r\n\"products\": {}\r\n}", "No \"products\" list\r\nr.json(2): \"products\": {}"},
        {"a product without a name",
         "{\"products\": [\r\n  {\"name\": \"A\", \"version\": \"1\"},\r\n  {\"version\": \"2\"}\r\n]}",
         "Product without a name\r\nr.json(3): {\"version\": \"2\"}"},
        {"a name that is no text", "{\"products\": [\"A\"]}",
         "Product without a name\r\nr.json(1): {\"products\": [\"A\"]}"},
        {"a version that is no text", "{\"products\": [\r\n{\"name\": \"A\",\r\n \"version\": 4.2}]}",
         "Version that is not a text\r\nr.json(3): \"version\": 4.2}]}"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(MessageOf([&] { ReadJsonReport(row.file, "r.json"); }), row.message);
    }
}

}  // namespace

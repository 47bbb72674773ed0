#include "policy/RequiredVersions.h"

#include <gtest/gtest.h>

#include "support/EncodedFile.h"
#include "support/IniText.h"
#include "support/RaisedMessage.h"

namespace {

constexpr std::string_view kFile = "C:\\team\\required.ini";

TRequiredRule OnlyRule(const std::string& line) {
    const TRequiredVersions required = ReadRequiredVersions("[Required]\r\n" + line + "\r\n", kFile);
    EXPECT_EQ(required.Rules.size(), 1u);
    return required.Rules.empty() ? TRequiredRule() : required.Rules[0];
}

// The rule in a form that shows every part: kind, version, and each bound with its operator.
std::string Shape(const TRequiredRule& rule) {
    const auto bound = [](const std::optional<TVersionBound>& b) -> std::string {
        if (!b)
            return "-";
        constexpr const char* kNames[] = {">=", ">", "<=", "<"};
        return kNames[static_cast<int>(b->Operator)] + std::string("[") + b->Version + "]";
    };
    constexpr const char* kKinds[] = {"exact", "bounds", "present", "absent"};
    return std::string(kKinds[static_cast<int>(rule.Kind)]) + " [" + rule.Version + "] " + bound(rule.Lower) + " " +
           bound(rule.Upper);
}

TEST(RequiredVersions, ReadsEachKindOfRule) {
    const struct {
        const char* line;
        const char* key;
        const char* text;
        const char* shape;
    } rows[] = {
        {"Grid 4 (Delphi 7)=4.10", "Grid 4 (Delphi 7)", "4.10", "exact [4.10] - -"},
        {"  Editors 3 (Delphi 7)  =   3.0.1  ", "Editors 3 (Delphi 7)", "3.0.1", "exact [3.0.1] - -"},
        {"Charts 2=2024 R1", "Charts 2", "2024 R1", "exact [2024 R1] - -"},
        {"Charts 2=\"4.2\"", "Charts 2", "4.2", "exact [4.2] - -"},
        {"\tGrid 4\t=\t'>=4.10'", "Grid 4", ">=4.10", "bounds [] >=[4.10] -"},
        {"Grid 4=>4.9", "Grid 4", ">4.9", "bounds [] >[4.9] -"},
        {"Grid 4=<=5", "Grid 4", "<=5", "bounds [] - <=[5]"},
        {"Grid 4=<5", "Grid 4", "<5", "bounds [] - <[5]"},
        {"Grid 4 (Delphi *)=>=4.10 <5", "Grid 4 (Delphi *)", ">=4.10 <5", "bounds [] >=[4.10] <[5]"},
        {"Grid 4=<5 >4.9", "Grid 4", "<5 >4.9", "bounds [] >[4.9] <[5]"},
        {"Grid 4=>= 4.10 \t <= 5", "Grid 4", ">= 4.10 \t <= 5", "bounds [] >=[4.10] <=[5]"},
        {"Grid 4=>=4.10<5", "Grid 4", ">=4.10<5", "bounds [] >=[4.10] <[5]"},
        {"Bars ?=present", "Bars ?", "present", "present [] - -"},
        {"Bars 5=ABSENT", "Bars 5", "ABSENT", "absent [] - -"},
        {"Bars 5=Absent", "Bars 5", "Absent", "absent [] - -"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.line);
        const TRequiredRule rule = OnlyRule(row.line);
        EXPECT_EQ(rule.Key, row.key);
        EXPECT_EQ(rule.Text, row.text);
        EXPECT_EQ(Shape(rule), row.shape);
        EXPECT_EQ(rule.Line, 2u);
    }
}

TEST(RequiredVersions, ALineItCannotMeanIsAnErrorWithFileLineAndText) {
    const struct {
        const char* line;
        const char* message;
    } rows[] = {
        {"=4.2", "Product name missing\r\nC:\\team\\required.ini(3): =4.2"},
        {"  = 4.2", "Product name missing\r\nC:\\team\\required.ini(3): = 4.2"},
        {"Grid 4=", "Rule missing\r\nC:\\team\\required.ini(3): Grid 4="},
        {"Grid 4=\"\"", "Rule missing\r\nC:\\team\\required.ini(3): Grid 4=\"\""},
        {"Grid 4 4.2", "Not a rule (product=rule)\r\nC:\\team\\required.ini(3): Grid 4 4.2"},
        {"Grid 4==4.2", "Unknown operator \"=\"\r\nC:\\team\\required.ini(3): Grid 4==4.2"},
        {"Grid 4===>4.2", "Unknown operator \"==>\"\r\nC:\\team\\required.ini(3): Grid 4===>4.2"},
        {"Grid 4=~4.2", "Unknown operator \"~\"\r\nC:\\team\\required.ini(3): Grid 4=~4.2"},
        {"Grid 4=!=4.2", "Unknown operator \"!=\"\r\nC:\\team\\required.ini(3): Grid 4=!=4.2"},
        {"Grid 4=^4", "Unknown operator \"^\"\r\nC:\\team\\required.ini(3): Grid 4=^4"},
        {"Grid 4=>=4.10 =<5", "Unknown operator \"=<\"\r\nC:\\team\\required.ini(3): Grid 4=>=4.10 =<5"},
        {"Grid 4=>=", "Version missing after \">=\"\r\nC:\\team\\required.ini(3): Grid 4=>="},
        {"Grid 4=>= <5", "Version missing after \">=\"\r\nC:\\team\\required.ini(3): Grid 4=>= <5"},
        {"Grid 4=>=4.10 <", "Version missing after \"<\"\r\nC:\\team\\required.ini(3): Grid 4=>=4.10 <"},
        {"Grid 4=>=4 <5 <6", "More than two bounds\r\nC:\\team\\required.ini(3): Grid 4=>=4 <5 <6"},
        {"Grid 4=>=4 >5", "A range needs one lower and one upper bound\r\nC:\\team\\required.ini(3): Grid 4=>=4 >5"},
        {"Grid 4=<4 <=5", "A range needs one lower and one upper bound\r\nC:\\team\\required.ini(3): Grid 4=<4 <=5"},
        {"Grid 4=4.10 <5", "Bound without an operator: \"4.10\"\r\nC:\\team\\required.ini(3): Grid 4=4.10 <5"},
        {"Grid 4=>=4.10 5", "Bound without an operator: \"5\"\r\nC:\\team\\required.ini(3): Grid 4=>=4.10 5"},
        {"Grid 4=>=4.10 ; since May",
         "Bound without an operator: \";\"\r\nC:\\team\\required.ini(3): Grid 4=>=4.10 ; since May"},
        {"Grid 4=4.2\r\n grid 4 =4.3",
         "Second rule for grid 4; the first is on line 3\r\nC:\\team\\required.ini(4): grid 4 =4.3"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.line);
        const std::string file = "; team rules\r\n[Required]\r\n" + std::string(row.line) + "\r\nBars 5=absent\r\n";
        EXPECT_EQ(MessageOf([&] { ReadRequiredVersions(file, kFile); }), row.message);
    }
}

TEST(RequiredVersions, OnlyRequiredSectionsCountAndNothingButCommentsComesBeforeThem) {
    const std::string file =
        "\xEF\xBB\xBF; rules of the team\n"
        "   ; indented comment\r"
        "\r\n"
        "[Notes]\r\n"
        "this line belongs to whoever keeps notes here\r\n"
        "Grid 4=~garbage\r\n"
        "[ required ]\n"
        "Grid 4 (Delphi 7)=>=4.10\n"
        "; Charts 2=absent\n"
        "[Notes]\n"
        "Grid 4 (Delphi 7)=9\n"
        "[REQUIRED]\r\n"
        "Bars 5=absent\x1A\r\n";
    const TRequiredVersions required = ReadRequiredVersions(file, kFile);
    ASSERT_EQ(required.Rules.size(), 2u);
    EXPECT_EQ(required.Rules[0].Key, "Grid 4 (Delphi 7)");
    EXPECT_EQ(required.Rules[0].Line, 8u);
    EXPECT_EQ(required.Rules[1].Key, "Bars 5");
    EXPECT_EQ(required.Rules[1].Kind, TRuleKind::Absent);
    EXPECT_EQ(required.Rules[1].Line, 13u);

    const struct {
        const char* name;
        std::string file;
        const char* message;
    } errors[] = {
        {"a rule before any section", "; header\r\nGrid 4=4.2\r\n[Required]\r\n",
         "Rule outside the [Required] section\r\nC:\\team\\required.ini(2): Grid 4=4.2"},
        {"a note before any section", "Team rules\r\n[Required]\r\n",
         "Rule outside the [Required] section\r\nC:\\team\\required.ini(1): Team rules"},
        {"a mistyped header", "[Require]\r\nGrid 4=4.2\r\n", "No [Required] section\r\nC:\\team\\required.ini"},
        {"an empty file", "", "No [Required] section\r\nC:\\team\\required.ini"},
        {"a file of comments", "; nothing yet\r\n", "No [Required] section\r\nC:\\team\\required.ini"},
        {"a rule in a second [Required] section repeats one of the first",
         "[Required]\r\nGrid 4=4.2\r\n[Other]\r\n[Required]\r\nGRID 4=4.3\r\n",
         "Second rule for GRID 4; the first is on line 2\r\nC:\\team\\required.ini(5): GRID 4=4.3"},
    };
    for (const auto& row : errors) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(MessageOf([&] { ReadRequiredVersions(row.file, kFile); }), row.message);
    }
}

TEST(RequiredVersions, AnEmptyRequiredSectionRequiresNothing) {
    EXPECT_TRUE(ReadRequiredVersions("[Required]\r\n\r\n; to come\r\n", kFile).Rules.empty());
}

TEST(RequiredVersions, ReadsAUtf16FileAsTheSingleByteSet) {
    const std::string file = EncodedFile(
        "[Required]\r\n\xC9"
        "dition Sp\xE9"
        "ciale=>=2\r\n",
        ini::TTextEncoding::Utf16LittleEndian);
    const TRequiredVersions required = ReadRequiredVersions(file, kFile);
    ASSERT_EQ(required.Rules.size(), 1u);
    EXPECT_EQ(required.Rules[0].Key,
              "\xC9"
              "dition Sp\xE9"
              "ciale");
}

}  // namespace

#include "policy/PolicyCheck.h"

#include <gtest/gtest.h>

#include "policy/ProductNameMatch.h"

namespace {

TRequiredVersions Rules(const std::string& lines) {
    return ReadRequiredVersions("[Required]\r\n" + lines, "required.ini");
}

TPolicyProduct Installed(std::string name, std::string version) {
    return {std::move(name), std::move(version)};
}

TPolicyProduct NotInstalled(std::string name) {
    return {std::move(name), std::nullopt};
}

TEST(PolicyCheck, NamePatternsMatchLikeTheLookupWithWildcards) {
    const struct {
        const char* pattern;
        const char* name;
        bool matches;
    } rows[] = {
        {"Grid 4 (Delphi *)", "Grid 4 (Delphi 7)", true},
        {"Grid 4 (Delphi *)", "Grid 4 (Delphi 2005)", true},
        {"Grid 4 (Delphi *)", "Grid 4 (Delphi )", true},
        {"Grid 4 (Delphi *)", "Grid 4 (Delphi 7) Pro", false},
        {"Grid 4 (Delphi ?)", "Grid 4 (Delphi 7)", true},
        {"Grid 4 (Delphi ?)", "Grid 4 (Delphi 10)", false},
        {"grid*", " GRID 4 ", true},
        {"*", "", true},
        {"?", "", false},
        {"*4*7*", "Grid 4 (Delphi 7)", true},
        {"*ab", "aab", true},
        {"a*b*c", "aXbYbZc", true},
        {"a*b*c", "aXbYcZ", false},
        {"A*", "A*B", true},
        {"a*a*a*a*a*a*a*a*a*b", "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa", false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.pattern) + " ~ " + row.name);
        EXPECT_EQ(MatchesNamePattern(ProductNameKey(row.pattern), ProductNameKey(row.name)), row.matches);
    }
}

TEST(PolicyCheck, TheExactNameDecidesThenTheLongestPatternThenTheFirstInTheFile) {
    const TRequiredVersions required = Rules(
        "*=present\r\n"
        "Grid*=>=1\r\n"
        "Grid 4 (Delphi *)=>=4.10\r\n"
        "Grid 4 (Delphi ?)=<9\r\n"
        "Grid 4 (Delphi 7)=4.10\r\n"
        "Grid 4 (Delphi 2005)*=absent\r\n");
    const struct {
        const char* product;
        const char* decidingKey;
    } rows[] = {
        {"Grid 4 (Delphi 7)", "Grid 4 (Delphi 7)"},
        {"  grid 4 (DELPHI 7)\t", "Grid 4 (Delphi 7)"},
        {"Grid 4 (Delphi 6)", "Grid 4 (Delphi *)"},
        {"Grid 4 (Delphi 2005)", "Grid 4 (Delphi 2005)*"},
        {"Grid 4 (Delphi 10)", "Grid 4 (Delphi *)"},
        {"Grid 5 (Delphi 7)", "Grid*"},
        {"Bars 5 (Delphi 7)", "*"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.product);
        // Rules that name no product follow it.
        const auto verdicts = CheckRequiredVersions(required, {Installed(row.product, "4.10")});
        ASSERT_FALSE(verdicts.empty());
        ASSERT_TRUE(verdicts[0].Rule);
        EXPECT_EQ(verdicts[0].Rule->Key, row.decidingKey);
        EXPECT_EQ(verdicts[0].Product, row.product);
    }
}

TEST(PolicyCheck, EachRuleJudgesTheInstalledVersion) {
    using enum TVerdict;
    const struct {
        const char* rule;
        std::optional<std::string> version;
        TVerdict verdict;
    } rows[] = {
        {"4.2", "4.2", Ok},
        {"4.2", " 4.2 ", Ok},
        {"4.2", "4.10", TooNew},
        {"4.2", "4.1", TooOld},
        {"4.2", "4.2.1", TooNew},
        {"4.2", "04.2", TooOld},  // orders equal, yet is not that version
        {"4.2", "4.x", TooOld},   // cannot be ordered
        {"4.2", ":[?]", TooOld},
        {"4.2", "", TooOld},
        {"4.2", std::nullopt, Missing},
        {">=4.10", "4.10", Ok},
        {">=4.10", "04.10", Ok},
        {">=4.10", "4.9", TooOld},
        {">=4.10", "5", Ok},
        {">=4.10", "4.x", TooOld},
        {">=4.10", ":[?]", TooOld},
        {">=4.10", std::nullopt, Missing},
        {">4.9", "4.9", TooOld},
        {">4.9", "4.10", Ok},
        {"<=5", "5", Ok},
        {"<=5", "5.0", TooNew},
        {"<=5", "4.99", Ok},
        {"<=5", "beta", TooNew},
        {"<5", "5", TooNew},
        {"<5", "4.9", Ok},
        {">=4.10 <5", "4.10", Ok},
        {">=4.10 <5", "4.9", TooOld},
        {">=4.10 <5", "5.1", TooNew},
        {">=4.10 <5", "abc", TooOld},
        {"present", "1.0", Ok},
        {"present", "", Ok},
        {"present", ":[?]", Ok},
        {"present", std::nullopt, Missing},
        {"absent", "1.0", Forbidden},
        {"absent", std::nullopt, Ok},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.rule) + " with " + row.version.value_or("(not installed)"));
        const auto verdicts = CheckRequiredVersions(Rules("Grid 4=" + std::string(row.rule) + "\r\n"),
                                                    {TPolicyProduct{"Grid 4", row.version}});
        ASSERT_EQ(verdicts.size(), 1u);
        EXPECT_EQ(verdicts[0].Verdict, row.verdict);
        EXPECT_EQ(verdicts[0].Version, row.version);
        ASSERT_TRUE(verdicts[0].Rule);
        EXPECT_EQ(verdicts[0].Rule->Text, row.rule);
    }
}

TEST(PolicyCheck, RulesThatNameNoProductFollowTheProductsInFileOrder) {
    const TRequiredVersions required = Rules(
        "Editors 3 (Delphi 7)=3.0.1\r\n"
        "Grid 4 (Delphi *)=>=4.10\r\n"
        "Grid 4 (Delphi 7)=4.10\r\n"
        "Bars 5*=absent\r\n"
        "Tools 1*=present\r\n"
        "Charts 2 (Delphi 7)=present\r\n");
    const auto verdicts = CheckRequiredVersions(required, {
                                                              Installed("Grid 4 (Delphi 7)", "4.2"),
                                                              Installed("Reports 1 (Delphi 7)", "1.0"),
                                                              NotInstalled("Charts 2 (Delphi 7)"),
                                                          });
    const struct {
        const char* product;
        TVerdict verdict;
        const char* rule;
    } expected[] = {
        {"Grid 4 (Delphi 7)", TVerdict::TooOld, "Grid 4 (Delphi 7)"},
        {"Reports 1 (Delphi 7)", TVerdict::Unchecked, nullptr},
        {"Charts 2 (Delphi 7)", TVerdict::Missing, "Charts 2 (Delphi 7)"},
        {"Editors 3 (Delphi 7)", TVerdict::Missing, "Editors 3 (Delphi 7)"},
        {"Bars 5*", TVerdict::Ok, "Bars 5*"},
        {"Tools 1*", TVerdict::Missing, "Tools 1*"},
    };
    ASSERT_EQ(verdicts.size(), std::size(expected));
    for (std::size_t i = 0; i < verdicts.size(); ++i) {
        SCOPED_TRACE(expected[i].product);
        EXPECT_EQ(verdicts[i].Product, expected[i].product);
        EXPECT_EQ(verdicts[i].Verdict, expected[i].verdict);
        EXPECT_EQ(verdicts[i].Rule ? verdicts[i].Rule->Key : "", expected[i].rule ? expected[i].rule : "");
    }
}

TEST(PolicyCheck, ViolationsAreTheVerdictsThatFailABuild) {
    using enum TVerdict;
    const struct {
        TVerdict verdict;
        const char* text;
        bool violation;
    } rows[] = {
        {Ok, "ok", false},          {TooOld, "too old", true},      {TooNew, "too new", true},
        {Missing, "missing", true}, {Forbidden, "forbidden", true}, {Unchecked, "unchecked", false},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(VerdictText(row.verdict), row.text);
        EXPECT_EQ(IsViolation(row.verdict), row.violation);
        EXPECT_EQ(HasViolations({TProductVerdict{"p", "1", row.verdict, std::nullopt}}), row.violation);
    }
}

}  // namespace

#include "support/CommandLine.h"

#include <gtest/gtest.h>

namespace {

TCommandLine Params(TTextList params) {
    params.insert(params.begin(), "plux.exe");
    return TCommandLine(std::move(params));
}

TEST(CommandLine, SplitsLikeTheProgramsStartupCode) {
    struct TCase {
        const char* line;
        TTextList params;
    } cases[] = {
        {"plux.exe /shtml out.html", {"plux.exe", "/shtml", "out.html"}},
        {"\"C:\\My Tools\\plux.exe\"  -a\t\"b c\"d ", {"C:\\My Tools\\plux.exe", "-a", "b cd"}},
        {"p \"\" x \"\"\"\"", {"p", "x"}},
        {"p a\"\"b \"x\"\"y\"", {"p", "ab", "xy"}},
        {"p \"open", {"p", "open"}},
        {"", {}},
    };
    for (const auto& row : cases)
        EXPECT_EQ(SplitCommandLine(row.line), row.params) << row.line;
}

TEST(CommandLine, NextParameterModeReadsTheParameterAfterTheSwitch) {
    TCommandLine line = Params({"-productcode", "X", "/ProgDataFolder"});
    EXPECT_EQ(line.FindSwitchParam("ProductCode"), 1);
    EXPECT_EQ(line.GetSwitchValue("ProductCode", false), "X");
    EXPECT_EQ(line.GetSwitchValue("ProductCode", false), "X") << "nothing is consumed";
    EXPECT_EQ(line.GetSwitchValue("ProgDataFolder", false), "") << "last parameter";
    EXPECT_EQ(line.GetSwitchValue("Missing", false), "");
    EXPECT_FALSE(line.JoinedCommandLine().has_value());

    TCommandLine chained = Params({"-ProgDataFolder", "-UserDataFolder", "D:\\u", "-ProductCode=Y"});
    EXPECT_EQ(chained.GetSwitchValue("ProgDataFolder", false), "-UserDataFolder");
    EXPECT_EQ(chained.GetSwitchValue("UserDataFolder", false), "D:\\u");
    EXPECT_EQ(chained.FindSwitchParam("ProductCode"), 0) << "a switch joined to its value does not match";
}

TEST(CommandLine, NextParameterModeDropsOnePairOfSurroundingQuotes) {
    EXPECT_EQ(Params({"/a", "\"\"x\"\""}).GetSwitchValue("a", false), "\"x\"");
    EXPECT_EQ(Params({"/a", "\""}).GetSwitchValue("a", false), "\"");
    EXPECT_EQ(Params({"/a", "\"x"}).GetSwitchValue("a", false), "\"x");
}

TEST(CommandLine, JoinedModeConsumesWhatItFinds) {
    TCommandLine line = Params({"-Log:C:\\x", "-v"});
    EXPECT_EQ(line.GetSwitchValue("Log", true), "C:\\x");
    EXPECT_EQ(line.JoinedCommandLine(), "-v ");
    EXPECT_EQ(line.GetSwitchValue("Log", true), "");
    EXPECT_EQ(line.GetSwitchValue("V", true), "");
    EXPECT_EQ(line.JoinedCommandLine(), "");
    EXPECT_EQ(line.GetSwitchValue("v", true), "") << "never rebuilt once built";
}

TEST(CommandLine, JoinedModeValuesStopAtSwitchCharactersAndLoseOneLeadingSeparator) {
    struct TCase {
        TTextList params;
        const char* name;
        const char* value;
    } cases[] = {
        {{"-Dir", "C:\\my-data"}, "Dir", "C:\\my"},
        {{"-ProgDataFolder", "X"}, "Prog", "DataFolder X"},
        {{"-Mode", "=", "fast"}, "Mode", " fast"},
        {{"/Out=a/b"}, "out", "a"},
        {{"x", "/Flag"}, "flag", ""},
    };
    for (const auto& row : cases) {
        TCommandLine line = Params(row.params);
        EXPECT_EQ(line.GetSwitchValue(row.name, true), row.value) << row.name;
    }
}

}  // namespace

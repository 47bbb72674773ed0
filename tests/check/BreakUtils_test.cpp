#include "check/BreakUtils.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct TStep {
    std::string value;
    bool isBreak;
    int groupCount;
};

void Feed(TBreakUtils& tracker, const std::vector<TStep>& steps) {
    for (const TStep& step : steps) {
        SCOPED_TRACE(step.value);
        tracker.NextValue(step.value);
        EXPECT_EQ(tracker.IsBreak(), step.isBreak);
        EXPECT_EQ(tracker.GroupCount, step.groupCount);
    }
}

TEST(BreakUtils, StartsEmptyAndAnswersNoBeforeAnyValue) {
    const TBreakUtils tracker;
    EXPECT_EQ(tracker.PrevKey, std::string(1, '\0'));
    EXPECT_EQ(tracker.Key, "");
    EXPECT_EQ(tracker.KeyDelimiter, "");
    EXPECT_EQ(tracker.ValueCount + tracker.GroupCount + tracker.GroupSize + tracker.PrevGroupSize, 0);
    EXPECT_FALSE(tracker.IsBreak());
}

TEST(BreakUtils, FamiliesBreakWhereTheKeyBeforeTheDelimiterChanges) {
    TBreakUtils tracker;
    tracker.KeyDelimiter = "(Delphi";
    Feed(tracker,
         {{"A (Delphi 6)", true, 1}, {"A (Delphi 7)", false, 1}, {"B (Delphi 7)", true, 2}, {"A (Delphi 5)", true, 3}});
    EXPECT_EQ(tracker.GroupSize, 1);
    EXPECT_EQ(tracker.PrevGroupSize, 1);
    EXPECT_EQ(tracker.ValueCount, 4);
}

TEST(BreakUtils, DelimiterIsFoundInAnyCaseButKeysCompareWithCase) {
    TBreakUtils tracker;
    tracker.KeyDelimiter = "(Delphi";
    Feed(tracker, {{"x (delphi 7)", true, 1}, {"x (DELPHI 6)", false, 1}, {"X (Delphi 6)", true, 2}});
    EXPECT_EQ(tracker.Key, "X ");
}

TEST(BreakUtils, ValueStartingWithDelimiterHasTheEmptyKey) {
    TBreakUtils tracker;
    tracker.KeyDelimiter = "(Delphi";
    tracker.NextValue("(Delphi 7) tools");
    EXPECT_FALSE(tracker.IsBreak());
    EXPECT_EQ(tracker.GroupCount, 0);
    EXPECT_EQ(tracker.GroupSize, 1);
    Feed(tracker, {{"Grid (Delphi 7)", true, 1}});
}

TEST(BreakUtils, WithoutDelimiterEqualNeighboursFormOneGroup) {
    TBreakUtils tracker;
    Feed(tracker, {{"a", true, 1}, {"a", false, 1}, {"b", true, 2}, {"b", false, 2}, {"a", true, 3}});
    EXPECT_EQ(tracker.GroupSize, 1);
    EXPECT_EQ(tracker.PrevGroupSize, 2);
}

TEST(BreakUtils, TheNothingFedMarkAsValueSilencesTheNextBreakButNotTheCount) {
    TBreakUtils tracker;
    tracker.NextValue("a");
    tracker.NextValue(std::string(1, '\0'));
    EXPECT_TRUE(tracker.IsBreak());
    tracker.NextValue("b");
    EXPECT_FALSE(tracker.IsBreak());
    EXPECT_EQ(tracker.GroupCount, 3);
}

}  // namespace

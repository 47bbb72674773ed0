#include "toolkit/bars/model/DropTarget.h"

#include <gtest/gtest.h>

namespace {

constexpr TBarId kMenu{1};
constexpr TBarId kFile{2};
constexpr TBarId kColours{3};

// The designed window: a client area of 688 x 426 above the status bar, the menu alone on row 0 and
// the File and Colours bars on row 1 of the top dock; the other docks are empty.
const TRect kClient{0, 0, 688, 426};
const std::vector<TDropDock> kDocks = {
    {TDockingStyle::Top, {0, 0, 688, 49}, {{0, 0, 23, true, {kMenu}}, {1, 23, 49, false, {kFile, kColours}}}},
    {TDockingStyle::Bottom, {0, 426, 688, 426}, {}},
    {TDockingStyle::Left, {0, 49, 0, 426}, {}},
    {TDockingStyle::Right, {688, 49, 688, 426}, {}},
};

TEST(DropTarget, APointGoesToARowANewRowAnotherSideOrFloats) {
    const TDraggedBar colours{kColours, false, 210, 26, 60, 104, 5};
    TDraggedBar menu = colours;
    menu.Id = kMenu;
    menu.Alone = true;
    struct TCase {
        const char* name;
        TDraggedBar bar;
        int x, y;
        bool floating;
        TDockPosition position;
        TRect feedback;
    } cases[] = {
        {"the middle of a row joins it",
         colours,
         300,
         36,
         false,
         {TDockingStyle::Top, 1, false, 295, 23},
         {295, 23, 505, 49}},
        {"its upper quarter makes a new row before it",
         colours,
         300,
         25,
         false,
         {TDockingStyle::Top, 1, true, 295, 23},
         {295, 10, 505, 36}},
        {"its lower quarter makes a new row after it",
         colours,
         300,
         46,
         false,
         {TDockingStyle::Top, 2, true, 295, 49},
         {295, 36, 505, 62}},
        {"the margin below the dock makes a last row",
         colours,
         300,
         58,
         false,
         {TDockingStyle::Top, 2, true, 295, 49},
         {295, 36, 505, 62}},
        {"the menu's row takes no other: upper half",
         colours,
         300,
         8,
         false,
         {TDockingStyle::Top, 0, true, 295, 0},
         {295, 0, 505, 26}},
        {"the menu's row takes no other: lower half",
         colours,
         300,
         15,
         false,
         {TDockingStyle::Top, 1, true, 295, 23},
         {295, 10, 505, 36}},
        {"a bar alone joins no row with others",
         menu,
         300,
         33,
         false,
         {TDockingStyle::Top, 1, true, 295, 23},
         {295, 10, 505, 36}},
        {"a bar alone keeps its own row",
         menu,
         300,
         11,
         false,
         {TDockingStyle::Top, 0, false, 295, 0},
         {295, 0, 505, 26}},
        {"along the dock the bar stays within it",
         colours,
         680,
         36,
         false,
         {TDockingStyle::Top, 1, false, 478, 23},
         {478, 23, 688, 49}},
        {"the empty left dock", colours, 5, 200, false, {TDockingStyle::Left, 0, true, 0, 146}, {0, 195, 104, 255}},
        {"the empty bottom dock",
         colours,
         300,
         420,
         false,
         {TDockingStyle::Bottom, 0, true, 295, 0},
         {295, 400, 505, 426}},
        {"the empty right dock", colours, 683, 100, false, {TDockingStyle::Right, 0, true, 0, 46}, {584, 95, 688, 155}},
        {"a corner goes to the top dock",
         colours,
         3,
         55,
         false,
         {TDockingStyle::Top, 2, true, 0, 49},
         {0, 36, 210, 62}},
        {"the middle of the window floats", colours, 300, 200, true, {}, {}},
        {"outside the window floats", colours, -5, 10, true, {}, {}},
    };
    for (const TCase& row : cases) {
        SCOPED_TRACE(row.name);
        const TDropTarget target = FindDropTarget(kDocks, kClient, row.x, row.y, row.bar, 12);
        EXPECT_EQ(target.Floating, row.floating);
        if (row.floating)
            continue;
        EXPECT_EQ(target.Position.Side, row.position.Side);
        EXPECT_EQ(target.Position.Row, row.position.Row);
        EXPECT_EQ(target.Position.NewRow, row.position.NewRow);
        EXPECT_EQ(target.Position.Left, row.position.Left);
        EXPECT_EQ(target.Position.Top, row.position.Top);
        EXPECT_EQ(target.Feedback, row.feedback);
    }
}

}  // namespace

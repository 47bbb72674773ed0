#include "toolkit/bars/model/ItemState.h"

#include <gtest/gtest.h>

namespace {

TEST(ItemState, EachPlaceShowsAsThePointerAndTheKeysHaveIt) {
    struct {
        const char* Name;
        TItemTracking Tracking;
        TItemState States[4];  // of places 0 to 3
    } const cases[] = {
        {"nothing", {}, {TItemState::Normal, TItemState::Normal, TItemState::Normal, TItemState::Normal}},
        {"pointer on 1",
         {1, -1, -1, -1},
         {TItemState::Normal, TItemState::Hot, TItemState::Normal, TItemState::Normal}},
        {"keys on 2", {-1, 2, -1, -1}, {TItemState::Normal, TItemState::Normal, TItemState::Hot, TItemState::Normal}},
        {"pressed and the pointer on it",
         {0, -1, 0, -1},
         {TItemState::Pressed, TItemState::Normal, TItemState::Normal, TItemState::Normal}},
        {"pressed, the pointer moved to 3",
         {3, -1, 0, -1},
         {TItemState::Hot, TItemState::Normal, TItemState::Normal, TItemState::Hot}},
        {"keyboard focus on 3",
         {-1, -1, -1, -1, 3},
         {TItemState::Normal, TItemState::Normal, TItemState::Normal, TItemState::Hot}},
        {"open wins over all",
         {2, 2, 2, 2},
         {TItemState::Normal, TItemState::Normal, TItemState::Open, TItemState::Normal}},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.Name);
        for (int place = 0; place < 4; ++place)
            EXPECT_EQ(row.Tracking.StateOf(place), row.States[place]) << place;
        EXPECT_EQ(row.Tracking.StateOf(-1), TItemState::Normal);
    }
}

TEST(ItemState, AReleaseClicksOnlyOnThePlaceThePressBeganOn) {
    struct {
        int Pressed;
        int ReleasedOn;
        bool Clicks;
    } const cases[] = {{1, 1, true}, {1, 2, false}, {1, -1, false}, {-1, -1, false}, {-1, 0, false}};
    for (const auto& row : cases) {
        TItemTracking tracking;
        tracking.Pressed = row.Pressed;
        EXPECT_EQ(tracking.Release(row.ReleasedOn), row.Clicks) << row.Pressed << " " << row.ReleasedOn;
        EXPECT_EQ(tracking.Pressed, -1);
    }
}

}  // namespace

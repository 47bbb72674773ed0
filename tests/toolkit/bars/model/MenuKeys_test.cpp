#include "toolkit/bars/model/MenuKeys.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace keys;

// A menu bar of three menus, "&File", "&Edit" and "&Help"; opening one records it, and the menu is
// left with Escape when the test says so.
class TFakeMenuBar final : public TMenuKeysBar {
public:
    bool Shown() const override { return shown; }
    int PlaceCount() const override { return count; }
    int PlaceWithAccessKey(char key) const override {
        const std::string keys = "FEH";
        const auto found = keys.find(static_cast<char>(key & ~0x20));
        return found == std::string::npos || static_cast<int>(found) >= count ? -1 : static_cast<int>(found);
    }
    int KeyboardHot() const override { return hot; }
    void SetKeyboardHot(int place) override { hot = place; }
    bool OpenMenu(int place) override {
        opened.push_back(place);
        return leaveWithEscape;
    }

    bool shown = true;
    int count = 3;
    int hot = -1;
    bool leaveWithEscape = false;
    std::vector<int> opened;
};

TKeyInput SysDown(int key, bool repeat = false) {
    return {TKeyMessage::SysKeyDown, key, repeat};
}
TKeyInput SysUp(int key) {
    return {TKeyMessage::SysKeyUp, key};
}
TKeyInput Down(int key) {
    return {TKeyMessage::KeyDown, key};
}

constexpr TKeyAnswer kPass = TKeyAnswer::PassOn;
constexpr TKeyAnswer kTaken = TKeyAnswer::Taken;

struct TStep {
    TKeyInput Input;
    TKeyAnswer Answer;
    int Hot;  // the highlighted menu afterwards
};

TEST(MenuKeys, KeysHighlightMoveOpenAndLeaveTheBar) {
    struct {
        const char* Name;
        std::vector<TStep> Steps;
        std::vector<int> Opened;
        bool Active;
    } const cases[] = {
        {"Alt alone highlights the first menu, again leaves",
         {{SysDown(kAlt), kTaken, -1}, {SysUp(kAlt), kTaken, 0}, {SysDown(kAlt), kTaken, 0}, {SysUp(kAlt), kTaken, -1}},
         {},
         false},
        {"a held Alt repeats without effect",
         {{SysDown(kAlt), kTaken, -1}, {SysDown(kAlt, true), kTaken, -1}, {SysUp(kAlt), kTaken, 0}},
         {},
         true},
        {"Alt with another key is no menu key",
         {{SysDown(kAlt), kTaken, -1}, {SysDown(0x73), kPass, -1}, {SysUp(kAlt), kTaken, -1}},
         {},
         false},
        {"F10 highlights, Shift+F10 is the context menu's",
         {{SysDown(kF10), kTaken, 0},
          {SysDown(kF10), kTaken, -1},
          {{TKeyMessage::SysKeyDown, kF10, false, true}, kPass, -1}},
         {},
         false},
        {"Left and Right go round",
         {{SysDown(kF10), kTaken, 0}, {Down(kLeft), kTaken, 2}, {Down(kRight), kTaken, 0}, {Down(kRight), kTaken, 1}},
         {},
         true},
        {"Down opens the highlighted menu and the bar is left",
         {{SysDown(kF10), kTaken, 0}, {Down(kRight), kTaken, 1}, {Down(kDown), kTaken, -1}},
         {1},
         false},
        {"Enter and Up open too; Escape leaves",
         {{SysDown(kF10), kTaken, 0},
          {Down(kReturn), kTaken, -1},
          {SysDown(kF10), kTaken, 0},
          {Down(kUp), kTaken, -1},
          {SysDown(kF10), kTaken, 0},
          {Down(kEscape), kTaken, -1}},
         {0, 0},
         false},
        {"a letter is translated, its character opens that menu",
         {{SysDown(kF10), kTaken, 0},
          {Down('H'), TKeyAnswer::TakenTranslated, 0},
          {{TKeyMessage::Char, 'h'}, kTaken, -1}},
         {2},
         false},
        {"a character no menu has beeps and stays",
         {{SysDown(kF10), kTaken, 0}, {{TKeyMessage::Char, 'q'}, TKeyAnswer::TakenWithBeep, 0}},
         {},
         true},
        {"Alt with an access key opens at once, whether active or not",
         {{SysDown(kAlt), kTaken, -1},
          {{TKeyMessage::SysChar, 'e'}, kTaken, -1},
          {{TKeyMessage::SysChar, 'x'}, kPass, -1}},
         {1},
         false},
        {"while inactive, keys pass on",
         {{Down('E'), kPass, -1}, {{TKeyMessage::KeyUp, 'E'}, kPass, -1}, {{TKeyMessage::Char, 'e'}, kPass, -1}},
         {},
         false},
        {"while active, releases are taken",
         {{SysDown(kF10), kTaken, 0}, {{TKeyMessage::KeyUp, kLeft}, kTaken, 0}},
         {},
         true},
        {"a click leaves the bar and goes on to its window",
         {{SysDown(kF10), kTaken, 0}, {{TKeyMessage::ButtonDown}, kPass, -1}},
         {},
         false},
        {"a key between Alt's press and release cancels the highlight",
         {{SysDown(kAlt), kTaken, -1}, {Down('A'), kPass, -1}, {SysUp(kAlt), kTaken, -1}},
         {},
         false},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.Name);
        TFakeMenuBar bar;
        TMenuKeys keys(bar);
        for (std::size_t i = 0; i < row.Steps.size(); ++i) {
            const TStep& step = row.Steps[i];
            EXPECT_EQ(keys.Handle(step.Input), step.Answer) << "step " << i;
            EXPECT_EQ(bar.hot, step.Hot) << "step " << i;
        }
        EXPECT_EQ(bar.opened, row.Opened);
        EXPECT_EQ(keys.Active(), row.Active);
    }
}

// Escape in an opened menu gives the keys back to the bar with that menu highlighted.
TEST(MenuKeys, EscapeInAnOpenedMenuHighlightsItInTheBarAgain) {
    TFakeMenuBar bar;
    bar.leaveWithEscape = true;
    TMenuKeys keys(bar);
    keys.Handle(SysDown(kAlt));
    EXPECT_EQ(keys.Handle({TKeyMessage::SysChar, 'h'}), kTaken);
    EXPECT_EQ(bar.opened, std::vector<int>{2});
    EXPECT_TRUE(keys.Active());
    EXPECT_EQ(bar.hot, 2);
    keys.Handle(Down(kEscape));
    EXPECT_FALSE(keys.Active());
}

// A bar that is hidden or holds no menu takes no keys; one that lost its menus while active goes nowhere.
TEST(MenuKeys, AHiddenOrEmptyBarIsNotEntered) {
    for (const bool shown : {false, true}) {
        TFakeMenuBar bar;
        bar.shown = shown;
        bar.count = shown ? 0 : 3;
        TMenuKeys keys(bar);
        keys.Handle(SysDown(kF10));
        EXPECT_FALSE(keys.Active());
        EXPECT_EQ(keys.Handle({TKeyMessage::SysChar, 'f'}), kPass);
        EXPECT_TRUE(bar.opened.empty());
    }
    TFakeMenuBar bar;
    TMenuKeys keys(bar);
    keys.Handle(SysDown(kF10));
    bar.count = 0;
    EXPECT_EQ(keys.Handle(Down(kRight)), kTaken);
    EXPECT_EQ(bar.hot, -1);
}

}  // namespace

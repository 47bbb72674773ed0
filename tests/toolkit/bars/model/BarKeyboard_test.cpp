#include "toolkit/bars/model/BarKeyboard.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/FixedTextMeasure.h"

namespace {

using namespace keys;

TBarProperties Docked(const std::string& caption, TDockingStyle side, int row, int along) {
    TBarProperties bar;
    bar.Caption = caption;
    bar.DockingStyle = side;
    bar.Row = row;
    bar.DockedLeft = bar.DockedTop = along;
    return bar;
}

TEST(BarKeyboard, F6VisitsTheShownToolbarsAsTheEyeMeetsThemThenTheContent) {
    TBarManager manager;
    TBarItemProperties enabled;
    enabled.Caption = "Go";
    const TBarItem& go = manager.AddItem(enabled);
    enabled.Enabled = false;
    const TBarItem& off = manager.AddItem(enabled);
    const std::vector<TDesignLink> reachable{{&go, {}}};

    TBarProperties menu = Docked("Menu", TDockingStyle::Top, 0, 0);
    menu.IsMainMenu = true;
    manager.AddBar(menu, reachable);
    manager.AddBar(Docked("Bottom", TDockingStyle::Bottom, 0, 0), reachable);
    TBarProperties hidden = Docked("Hidden", TDockingStyle::Top, 0, 500);
    hidden.Visible = false;
    manager.AddBar(hidden, reachable);
    manager.AddBar(Docked("Top 1 right", TDockingStyle::Top, 1, 200), reachable);
    manager.AddBar(Docked("Top 1 left", TDockingStyle::Top, 1, 0), reachable);
    TBarProperties floating = Docked("Floating", TDockingStyle::None, 0, 0);
    manager.AddBar(floating, reachable);
    manager.AddBar(Docked("Only disabled", TDockingStyle::Top, 0, 300), {{&off, {}}});
    manager.AddBar(Docked("Empty", TDockingStyle::Top, 0, 400));
    manager.AddBar(Docked("Left", TDockingStyle::Left, 0, 0), reachable);
    manager.AddBar(Docked("Top 0", TDockingStyle::Top, 0, 100), reachable);

    const std::vector<TBarId> cycle = KeyboardBarCycle(manager);
    std::vector<std::string> captions;
    for (TBarId id : cycle)
        captions.push_back(manager.FindBar(id)->Caption);
    EXPECT_EQ(captions, (std::vector<std::string>{"Top 0", "Top 1 left", "Top 1 right", "Left", "Bottom", "Floating"}));

    // Round the cycle both ways, the content (none) between the last bar and the first.
    std::optional<TBarId> stop;
    for (std::size_t i = 0; i < cycle.size(); ++i) {
        stop = NextKeyboardStop(cycle, stop, false);
        EXPECT_EQ(stop, cycle[i]);
    }
    EXPECT_EQ(NextKeyboardStop(cycle, stop, false), std::nullopt);
    EXPECT_EQ(NextKeyboardStop(cycle, std::nullopt, true), cycle.back());
    EXPECT_EQ(NextKeyboardStop(cycle, cycle[0], true), std::nullopt);
    EXPECT_EQ(NextKeyboardStop(cycle, manager.Bar(0).Id, false), cycle[0]) << "the menu bar counts as the content";
    EXPECT_EQ(NextKeyboardStop({}, std::nullopt, false), std::nullopt);
}

// Places: 0 a button, 1 a disabled button, 2 a swatch that does nothing, 3 a combo box, 4 a clickable
// swatch, 5 a menu item; a hidden button between 0 and 1 has no place.
class KeyboardPlaceTest : public ::testing::Test {
protected:
    KeyboardPlaceTest() {
        TBarItemProperties item;
        item.Caption = "Button";
        const TBarItem& button = manager.AddItem(item);
        item.Enabled = false;
        const TBarItem& disabled = manager.AddItem(item);
        item = TBarItemProperties{};
        item.Kind = TBarItemKind::Progress;
        const TBarItem& swatch = manager.AddItem(item);
        item.Progress.Clickable = true;
        const TBarItem& clickable = manager.AddItem(item);
        item = TBarItemProperties{};
        item.Kind = TBarItemKind::Combo;
        const TBarItem& combo = manager.AddItem(item);
        item = TBarItemProperties{};
        item.Kind = TBarItemKind::SubItem;
        item.Caption = "Menu";
        const TBarItem& menu = manager.AddItem(item);
        TDesignLink hidden{&button, {}};
        hidden.Settings.Visible = false;
        bar = &manager.AddBar(
            TBarProperties{},
            {{&button, {}}, hidden, {&disabled, {}}, {&swatch, {}}, {&combo, {}}, {&clickable, {}}, {&menu, {}}});
        placement = PlaceBarItems(*bar, TBarFrame{}, TBarMetrics{}, measure, TFontSpec{});
    }

    TBarManager manager;
    TFixedTextMeasure measure;
    const TBar* bar = nullptr;
    TBarPlacement placement;
};

TEST_F(KeyboardPlaceTest, ArrowsSkipWhatTheKeyboardCannotReachAndGoRound) {
    ASSERT_EQ(placement.Items.size(), 6u);
    struct {
        int From;
        TPlaceStep Step;
        int Reached;
    } const cases[] = {
        {-1, TPlaceStep::First, 0},    {-1, TPlaceStep::Last, 5},    {-1, TPlaceStep::Next, 0},
        {-1, TPlaceStep::Previous, 5}, {0, TPlaceStep::Next, 3},     {3, TPlaceStep::Next, 4},
        {5, TPlaceStep::Next, 0},      {0, TPlaceStep::Previous, 5}, {3, TPlaceStep::Previous, 0},
        {1, TPlaceStep::Next, 3},      {2, TPlaceStep::Previous, 0}, {4, TPlaceStep::First, 0},
    };
    for (const auto& row : cases)
        EXPECT_EQ(KeyboardPlace(*bar, placement, row.From, row.Step), row.Reached)
            << row.From << " " << static_cast<int>(row.Step);
}

TEST_F(KeyboardPlaceTest, ABarWithoutAReachablePlaceGivesNone) {
    TBarItemProperties item;
    item.Enabled = false;
    const TBar& off = manager.AddBar(TBarProperties{}, {{&manager.AddItem(item), {}}});
    const TBarPlacement offPlacement = PlaceBarItems(off, TBarFrame{}, TBarMetrics{}, measure, TFontSpec{});
    for (TPlaceStep step : {TPlaceStep::First, TPlaceStep::Last, TPlaceStep::Next, TPlaceStep::Previous})
        EXPECT_EQ(KeyboardPlace(off, offPlacement, 0, step), -1);
    const TBar& empty = manager.AddBar(TBarProperties{});
    EXPECT_EQ(KeyboardPlace(empty, TBarPlacement{}, -1, TPlaceStep::Next), -1);
}

TEST(BarKeyboard, KeysInAFocusedBarFollowItsDirection) {
    constexpr auto kButton = TBarItemKind::Button;
    constexpr auto kMenu = TBarItemKind::SubItem;
    constexpr auto kCombo = TBarItemKind::Combo;
    struct {
        const char* Name;
        int Key;
        bool Shift;
        bool Vertical;
        TBarItemKind Focused;
        TToolbarCommand Command;
        TPlaceStep Step;
    } const cases[] = {
        {"right along", kRight, false, false, kButton, TToolbarCommand::Step, TPlaceStep::Next},
        {"left along", kLeft, false, false, kButton, TToolbarCommand::Step, TPlaceStep::Previous},
        {"down across a button", kDown, false, false, kButton, TToolbarCommand::None, TPlaceStep::Next},
        {"down across a menu opens it", kDown, false, false, kMenu, TToolbarCommand::Run, TPlaceStep::Next},
        {"down along a vertical bar", kDown, false, true, kMenu, TToolbarCommand::Step, TPlaceStep::Next},
        {"up along a vertical bar", kUp, false, true, kButton, TToolbarCommand::Step, TPlaceStep::Previous},
        {"right across a vertical bar, combo", kRight, false, true, kCombo, TToolbarCommand::Run, TPlaceStep::Next},
        {"left across a vertical bar", kLeft, false, true, kButton, TToolbarCommand::None, TPlaceStep::Next},
        {"tab", kTab, false, false, kButton, TToolbarCommand::Step, TPlaceStep::Next},
        {"shift tab", kTab, true, false, kButton, TToolbarCommand::Step, TPlaceStep::Previous},
        {"home", kHome, false, false, kButton, TToolbarCommand::Step, TPlaceStep::First},
        {"end", kEnd, false, true, kButton, TToolbarCommand::Step, TPlaceStep::Last},
        {"enter", kReturn, false, false, kButton, TToolbarCommand::Run, TPlaceStep::Next},
        {"space", kSpace, false, false, kButton, TToolbarCommand::Run, TPlaceStep::Next},
        {"F4 on a combo", kF4, false, false, kCombo, TToolbarCommand::Run, TPlaceStep::Next},
        {"F4 on a button", kF4, false, false, kButton, TToolbarCommand::None, TPlaceStep::Next},
        {"escape", kEscape, false, false, kButton, TToolbarCommand::Leave, TPlaceStep::Next},
        {"a letter", 'A', false, false, kButton, TToolbarCommand::None, TPlaceStep::Next},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.Name);
        const TToolbarKey key = ToolbarKey(row.Key, row.Shift, row.Vertical, row.Focused);
        EXPECT_EQ(key.Command, row.Command);
        if (key.Command == TToolbarCommand::Step) {
            EXPECT_EQ(key.Step, row.Step);
        }
    }
}

}  // namespace

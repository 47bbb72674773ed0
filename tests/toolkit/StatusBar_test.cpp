#include "toolkit/StatusBar.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "support/RaisedMessage.h"
#include "toolkit/StatusBarList.h"

namespace {

// Writes down what the model asks of the platform.
class TRecordingBar final : public TStatusBar {
public:
    std::vector<std::string> calls;

    using TStatusBar::TStatusBar;

protected:
    void SetParts(const std::vector<int>& edges) override {
        std::string text = "parts";
        for (int edge : edges)
            text += " " + std::to_string(edge);
        calls.push_back(text);
    }
    void InvalidateStrip(int left, int right) override {
        calls.push_back("strip " + std::to_string(left) + " " + std::to_string(right));
    }
    void RepaintPanel(const TStatusPanel& panel) override { calls.push_back("panel " + panel.Name()); }
    void PanelChanged(const TStatusPanel& panel) override { calls.push_back("changed " + panel.Name()); }
    void RepaintBar() override { calls.push_back("bar"); }
    void ToggleLock(TStatusPanelStyle style) override { calls.push_back("toggle " + std::to_string(LockKeyOf(style))); }
};

// The main window's five panels: a 50% one, Caps, Num, an empty one and the version panel.
void AddWindowPanels(TStatusBar& bar) {
    const TStatusPanelStyle styles[] = {TStatusPanelStyle::TextOnly, TStatusPanelStyle::CapsLock,
                                        TStatusPanelStyle::NumLock, TStatusPanelStyle::TextOnly,
                                        TStatusPanelStyle::TextOnly};
    for (TStatusPanelStyle style : styles)
        bar.Panels().Add().SetStyle(style);
    bar.Panels()[0].SetWidth("50%");
    bar.Panels()[4].SetName("pnlVersion");
}

const std::vector<std::string> kAllPanels = {"panel Panel0", "panel Panel1", "panel Panel2", "panel Panel3",
                                             "panel pnlVersion"};

std::vector<std::string> Join(std::vector<std::string> first, const std::vector<std::string>& then) {
    first.insert(first.end(), then.begin(), then.end());
    return first;
}

TEST(StatusBar, NewPanelsTakeTheSmallestFreeNumber) {
    TStatusBar bar;
    bar.Font.Spec.Height = -13;
    for (int i = 0; i < 3; ++i)
        bar.Panels().Add();
    EXPECT_EQ(bar.Panels()[2].Name(), "Panel2");
    EXPECT_EQ(bar.Panels()[2].Font().Spec.Height, -13) << "a new panel takes the bar's font";
    EXPECT_EQ(bar.Panels()[2].Width(), "50");
    bar.Panels()[1].SetName("Middle");
    EXPECT_EQ(bar.Panels().Add().Name(), "Panel1");
    bar.Panels()[0].SetName("Panel7");
    EXPECT_EQ(bar.Panels().Add().Name(), "Panel0");
    EXPECT_EQ(bar.Panels().Add().Name(), "Panel3");
}

TEST(StatusBar, NamesAreUniqueAndFoundExactly) {
    TStatusBar bar;
    AddWindowPanels(bar);
    TStatusPanel& caps = bar.Panels()[1];
    EXPECT_EQ(MessageOf([&] { caps.SetName("pnlVersion"); }), "A panel named pnlVersion already exists.");
    EXPECT_EQ(caps.Name(), "Panel1");
    caps.SetName("Panel1");  // its own name is no clash
    caps.SetName("pnlversion");
    EXPECT_EQ(bar.Panels().Find("pnlversion"), &caps);
    EXPECT_EQ(bar.Panels().Find("pnlVersion"), &bar.Panels()[4]);
    EXPECT_EQ(bar.Panels().Find("PNLVERSION"), nullptr);
    EXPECT_EQ(bar.Panels().Find("Panel1"), nullptr);
}

TEST(StatusBar, RepaintsOnlyWhatAChangeAffects) {
    struct TCase {
        const char* name;
        std::function<void(TStatusBar&)> change;
        std::vector<std::string> calls;
    } cases[] = {
        {"equal text", [](TStatusBar& bar) { bar.Panels()[4].SetText(""); }, {}},
        {"new text", [](TStatusBar& bar) { bar.Panels()[4].SetText("Plux - 1.2.0.2"); }, {"changed pnlVersion"}},
        {"equal look", [](TStatusBar& bar) { bar.Panels()[1].SetBevel(TStatusPanelBevel::Lowered); }, {}},
        {"new look", [](TStatusBar& bar) { bar.Panels()[3].SetEnabled(false); }, {"changed Panel3"}},
        {"new indent", [](TStatusBar& bar) { bar.Panels()[0].SetIndent(4); }, {"changed Panel0"}},
        {"width text", [](TStatusBar& bar) { bar.Panels()[1].SetWidth("60"); }, {"parts 239 299 349 399 -1", "bar"}},
        {"bad width text", [](TStatusBar& bar) { EXPECT_ANY_THROW(bar.Panels()[1].SetWidth("60px")); }, {}},
        {"equal captions", [](TStatusBar& bar) { bar.SetStatusBarText(TStatusBarText{}); }, {}},
        {"new caption",
         [](TStatusBar& bar) {
             TStatusBarText text;
             text.NumLock = "NUM";
             bar.SetStatusBarText(text);
         },
         {"bar"}},
        {"a panel added", [](TStatusBar& bar) { bar.Panels().Add(); }, {"parts 219 269 319 369 419 -1", "bar"}},
    };
    for (const TCase& row : cases) {
        SCOPED_TRACE(row.name);
        TRecordingBar bar;
        AddWindowPanels(bar);
        bar.Resize(688, 20);
        bar.calls.clear();
        row.change(bar);
        EXPECT_EQ(bar.calls, row.calls);
    }
}

TEST(StatusBar, TextChangeIsToldOnce) {
    TStatusBar bar;
    TStatusPanel& panel = bar.Panels().Add();
    std::vector<std::string> told;
    panel.OnTextChanged = [&](TStatusPanel& changed) { told.push_back(changed.Text()); };
    panel.SetText("a");
    panel.SetText("a");
    panel.SetText("b");
    EXPECT_EQ(told, (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(bar.Panels()[0].Width(), "50");
    EXPECT_THROW(panel.SetWidth("-1"), Exception);
    EXPECT_EQ(MessageOf([&] { panel.SetWidth("wide"); }), "'wide' is not a valid panel width.");
    EXPECT_EQ(panel.Width(), "50");
}

TEST(StatusBar, ResizeRules) {
    struct TSize {
        int width, height;
    };
    struct TCase {
        const char* name;
        bool percentPanel;
        std::vector<TSize> before;  // sizes given first, their calls not checked
        TSize size;
        std::vector<std::string> calls;
    } cases[] = {
        {"first computation sets the parts", true, {}, {688, 20}, Join({"parts 244 294 344 394 -1"}, kAllPanels)},
        {"a percentage panel sets the parts on every width change",
         true,
         {{688, 20}},
         {788, 20},
         Join({"strip 663 788", "parts 294 344 394 444 -1"}, kAllPanels)},
        {"grown: the strip starts at the old grip", false, {{688, 20}}, {788, 20}, Join({"strip 663 788"}, kAllPanels)},
        {"shrunk: the strip is the new grip's", false, {{688, 20}}, {600, 20}, Join({"strip 575 600"}, kAllPanels)},
        {"height changed: parts, no strip",
         false,
         {{688, 20}},
         {688, 26},
         Join({"parts 50 100 150 200 -1"}, kAllPanels)},
        {"same size: only the panels", false, {{688, 20}}, {688, 20}, kAllPanels},
        {"zero width is skipped", true, {{688, 20}}, {0, 20}, {}},
        {"first size after zero width", false, {{0, 20}}, {688, 20}, Join({"parts 50 100 150 200 -1"}, kAllPanels)},
        {"clamped pixel panels widen again",
         false,
         {{120, 20}},
         {300, 20},
         Join({"strip 95 300", "parts 50 100 150 200 -1"}, kAllPanels)},
        {"narrow strip stays in the bar",
         false,
         {{688, 20}},
         {10, 20},
         Join({"strip 0 10", "parts 10 10 10 10 -1"}, kAllPanels)},
    };
    for (const TCase& row : cases) {
        SCOPED_TRACE(row.name);
        TRecordingBar bar;
        AddWindowPanels(bar);
        if (!row.percentPanel)
            bar.Panels()[0].SetWidth("50");
        for (const TSize& size : row.before)
            bar.Resize(size.width, size.height);
        bar.calls.clear();
        bar.Resize(row.size.width, row.size.height);
        EXPECT_EQ(bar.calls, row.calls);
    }
}

TEST(StatusBar, ClicksAndDoubleClicks) {
    TRecordingBar bar;
    AddWindowPanels(bar);
    bar.Resize(688, 20);
    std::vector<std::string> events;
    for (std::size_t i = 0; i < bar.Panels().Count(); ++i) {
        bar.Panels()[i].OnClick = [&](TStatusPanel& panel) { events.push_back("click " + panel.Name()); };
        bar.Panels()[i].OnDblClick = [&](TStatusPanel& panel) { bar.calls.push_back("dblclick " + panel.Name()); };
    }
    bar.calls.clear();
    bar.Click(300);
    bar.Click(700);
    EXPECT_EQ(events, (std::vector<std::string>{"click Panel2"}));
    EXPECT_TRUE(bar.calls.empty()) << "a single click toggles nothing";

    bar.DblClick(300);  // Num: its event, then Num Lock
    bar.DblClick(250);  // Caps
    bar.DblClick(100);  // a text panel: its event only
    bar.DblClick(-5);
    EXPECT_EQ(bar.calls, (std::vector<std::string>{"dblclick Panel2", "toggle 144", "dblclick Panel1", "toggle 20",
                                                   "dblclick Panel0"}));
}

TEST(StatusBar, ContentOfTextAndLockPanels) {
    TStatusBar bar;
    AddWindowPanels(bar);
    bar.Panels()[4].SetText("Plux - 1.2.0.2");
    bar.Panels()[3].SetEnabled(false);
    struct TCase {
        std::size_t panel;
        bool lockOn;
        const char* text;
        bool enabled;
    } cases[] = {
        {1, false, "Caps", false},          {1, true, "Caps", true}, {2, true, "Num", true}, {3, true, "", false},
        {4, false, "Plux - 1.2.0.2", true},
    };
    for (const TCase& row : cases) {
        SCOPED_TRACE(row.panel);
        const TPanelContent content = bar.Content(bar.Panels()[row.panel], row.lockOn);
        EXPECT_EQ(content.Text, row.text);
        EXPECT_EQ(content.Enabled, row.enabled);
    }
    EXPECT_EQ(LockStyleOfKey(0x90), TStatusPanelStyle::NumLock);
    EXPECT_EQ(LockStyleOfKey(0x91), TStatusPanelStyle::ScrollLock);
    EXPECT_EQ(LockStyleOfKey(0x2D), TStatusPanelStyle::OverWrite);
    EXPECT_EQ(LockStyleOfKey('A'), std::nullopt);
}

// What a screen reader reads of each panel: its text, and for a lock panel whether the key is on.
TEST(StatusBar, PanelsDescribeWhatTheyShowAndWhetherTheirKeyIsOn) {
    TStatusBar bar;
    AddWindowPanels(bar);
    bar.Panels()[0].SetText("12 products");
    bar.Panels()[3].SetText("Not now");
    bar.Panels()[3].SetEnabled(false);
    EXPECT_EQ(bar.DescribeBar().Role, TAccessibleRole::StatusBar);
    EXPECT_EQ(bar.DescribeBar().ChildCount, 5);
    struct TCase {
        std::size_t panel;
        bool lockOn;
        const char* name;
        const char* value;
        unsigned state;
    } cases[] = {
        {0, false, "12 products", "", accstate::kReadOnly},
        {1, true, "Caps", "on", accstate::kReadOnly | accstate::kChecked},
        {1, false, "Caps", "off", accstate::kReadOnly},
        {2, true, "Num", "on", accstate::kReadOnly | accstate::kChecked},
        {3, false, "Not now", "", accstate::kReadOnly | accstate::kUnavailable},
    };
    for (const TCase& row : cases) {
        SCOPED_TRACE(row.panel);
        const TAccessibleNode node = bar.DescribePanel(bar.Panels()[row.panel], row.lockOn);
        EXPECT_EQ(node.Role, TAccessibleRole::StaticText);
        EXPECT_EQ(node.Name, row.name);
        EXPECT_EQ(node.Value, row.value);
        EXPECT_EQ(node.State, row.state);
    }
}

TEST(StatusBar, HighContrastPaintsPanelsInTheSystemColours) {
    TStatusBar bar;
    AddWindowPanels(bar);
    TStatusPanel& panel = bar.Panels()[0];
    panel.SetColor(0x00FFFF);
    TSystemColours system;
    system.ButtonFace = 0x000000;
    system.ButtonText = 0xFFFFFF;
    system.GrayText = 0x00FF00;
    const TPanelContent on{"Caps", true};
    const TPanelContent off{"Caps", false};
    EXPECT_EQ(PanelColours(panel, on, false, system), (TPanelColours{0x00FFFF, panel.Font().Color, false}));
    EXPECT_EQ(PanelColours(panel, off, false, system), (TPanelColours{0x00FFFF, kColorBtnShadow, true}));
    EXPECT_EQ(PanelColours(panel, on, true, system), (TPanelColours{0x000000, 0xFFFFFF, false}));
    EXPECT_EQ(PanelColours(panel, off, true, system), (TPanelColours{0x000000, 0x00FF00, false}))
        << "gray text, not engraved";
}

TEST(StatusBar, KeyboardWatchRepaintsThePanelsOfTheKeyInEveryLiveBar) {
    TRecordingBar unlisted;  // made before the list: never reached
    AddWindowPanels(unlisted);
    TStatusBarList list;
    ASSERT_EQ(TStatusBarList::Live(), &list);
    TRecordingBar first, second;
    AddWindowPanels(first);
    AddWindowPanels(second);
    second.Panels()[3].SetStyle(TStatusPanelStyle::CapsLock);
    {
        TRecordingBar gone;
        AddWindowPanels(gone);
    }
    for (TRecordingBar* bar : {&unlisted, &first, &second})
        bar->calls.clear();

    list.KeyEvent(0x14);  // Caps Lock
    list.KeyEvent('A');
    list.KeyEvent(0x90);  // Num Lock
    EXPECT_TRUE(unlisted.calls.empty());
    EXPECT_EQ(first.calls, (std::vector<std::string>{"panel Panel1", "panel Panel2"}));
    EXPECT_EQ(second.calls, (std::vector<std::string>{"panel Panel1", "panel Panel3", "panel Panel2"}));
}

TEST(StatusBar, NoLiveListBeforeStartOrAfterEnd) {
    EXPECT_EQ(TStatusBarList::Live(), nullptr);
    auto list = std::make_unique<TStatusBarList>();
    TStatusBar bar;  // listed
    list.reset();
    EXPECT_EQ(TStatusBarList::Live(), nullptr);
}  // the bar goes after its list without touching it

}  // namespace

#include "app/MainCommands_win.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "app/Actions.h"
#include "app/MainBars.h"
#include "support/MainWindowRig_win.h"

// The walk over the command table through the real main window: each row's shortcut pressed in the
// window and in its report view, each bar clicked point by point along its middle. Every command
// arrives as WM_COMMAND, where the test takes its id instead of the window, so no handler runs (no
// dialog, no printout, no close); the dispatch table then gives the handler of each id that arrived.

namespace {

std::vector<int> gArrived;
WNDPROC gWindowProcedure = nullptr;

LRESULT CALLBACK TakeCommands(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && lParam == 0) {
        gArrived.push_back(LOWORD(wParam));
        return 0;
    }
    return CallWindowProcA(gWindowProcedure, window, message, wParam, lParam);
}

// A dialog (an error box of the creation step, say) would wait for a user: it is cancelled and its text
// kept, so that the test fails with it instead of hanging.
std::vector<std::string> gDialogs;

LRESULT CALLBACK CancelDialogs(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE) {
        const HWND window = reinterpret_cast<HWND>(wParam);
        char className[32] = {}, text[512] = {};
        GetClassNameA(window, className, sizeof className);
        if (std::string(className) == "#32770") {
            GetDlgItemTextA(window, 0xFFFF, text, sizeof text);
            gDialogs.push_back(text);
            PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

std::vector<HWND> Descendants(HWND parent, const std::string& className) {
    struct TSearch {
        std::string ClassName;
        std::vector<HWND> Found;
    } search{className, {}};
    EnumChildWindows(
        parent,
        [](HWND window, LPARAM data) -> BOOL {
            auto& s = *reinterpret_cast<TSearch*>(data);
            char name[64] = {};
            GetClassNameA(window, name, sizeof name);
            if (s.ClassName == name)
                s.Found.push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.Found;
}

std::string TextOf(HWND window) {
    char text[256] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

// Moves the ids that arrived onto `ids`, a run of one id as one.
void AppendArrived(std::vector<int>& ids) {
    for (int id : gArrived)
        if (ids.empty() || ids.back() != id)
            ids.push_back(id);
    gArrived.clear();
}

class MainCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        dialogHook_ = SetWindowsHookExA(WH_CBT, CancelDialogs, nullptr, GetCurrentThreadId());
        ASSERT_NE(dialogHook_, nullptr);
        window_.Create(nullptr, SW_SHOWNOACTIVATE);
        gWindowProcedure = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(window_.Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(TakeCommands)));
        Pump();
        gArrived.clear();
        ASSERT_EQ(gDialogs, std::vector<std::string>{});
    }

    void TearDown() override {
        SetWindowLongPtrA(window_.Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(gWindowProcedure));
        UnhookWindowsHookEx(dialogHook_);
        EXPECT_EQ(gDialogs, std::vector<std::string>{});
    }

    void Pump() { TMainWindowRig::Pump(window_); }

    // The ids that arrive while the shortcut's key goes down and up in `target`, with its modifiers
    // held or with none.
    std::vector<int> Press(HWND target, TShortCut shortCut, bool withModifiers) {
        BYTE keys[256] = {};
        if (withModifiers) {
            keys[VK_CONTROL] = (shortCut.Code & TShortCut::kCtrl) ? 0x80 : 0;
            keys[VK_SHIFT] = (shortCut.Code & TShortCut::kShift) ? 0x80 : 0;
            keys[VK_MENU] = (shortCut.Code & TShortCut::kAlt) ? 0x80 : 0;
        }
        SetKeyboardState(keys);
        const bool alt = keys[VK_MENU] != 0;
        PostMessageA(target, alt ? WM_SYSKEYDOWN : WM_KEYDOWN, shortCut.Key(), 1);
        PostMessageA(target, alt ? WM_SYSKEYUP : WM_KEYUP, shortCut.Key(), 0xC0000001);
        Pump();
        BYTE released[256] = {};
        SetKeyboardState(released);
        std::vector<int> ids;
        AppendArrived(ids);
        return ids;
    }

    // The ids that clicks along the bar's middle line send, from left to right; every item is wider than the step.
    std::vector<int> ClickAlong(HWND bar) {
        RECT client{};
        GetClientRect(bar, &client);
        std::vector<int> ids;
        for (int x = 0; x < client.right; x += 2) {
            const LPARAM point = MAKELPARAM(x, client.bottom / 2);
            PostMessageA(bar, WM_LBUTTONDOWN, MK_LBUTTON, point);
            PostMessageA(bar, WM_LBUTTONUP, 0, point);
            Pump();
            AppendArrived(ids);
        }
        return ids;
    }

    TMainWindowRig rig_;
    HHOOK dialogHook_ = nullptr;
    TfrmPLUX window_;
};

TEST_F(MainCommandsTest, EachShortcutReachesItsHandlerWhereverTheFocusIs) {
    const std::vector<HWND> reportViews = Descendants(window_.Handle(), "THtmlView");
    ASSERT_EQ(reportViews.size(), 1u);
    for (const TCommand& command : kCommands) {
        if (command.ShortCut.Empty())
            continue;
        SCOPED_TRACE(std::string(command.ItemName));
        for (HWND target : {window_.Handle(), reportViews.front()}) {
            EXPECT_EQ(Press(target, command.ShortCut, true), std::vector<int>{command.Id});
            if (command.ShortCut.Code != command.ShortCut.Key()) {
                EXPECT_EQ(Press(target, command.ShortCut, false), std::vector<int>{}) << "the key alone";
            }
        }
        EXPECT_NE(CommandHandler(command.Id), nullptr);
    }
}

// The names of the items linked on the design's bars and in their sub-menus.
std::set<std::string> LinkedItemNames(const TBarManager& design) {
    std::set<std::string> names;
    const auto collect = [&names](const TItemLinks& links, const auto& self) -> void {
        for (std::size_t i = 0; i < links.size(); ++i) {
            const TBarItem& item = *links[i].Item;
            if (names.insert(item.Name).second && item.Kind == TBarItemKind::SubItem)
                self(item.SubLinks, self);
        }
    };
    for (std::size_t i = 0; i < design.BarCount(); ++i)
        collect(design.Bar(i).Links, collect);
    return names;
}

// A bar holding a sub-menu is left out: a click there opens the menu, which waits for the user. A command
// the design links nowhere is left to the user to place, and reached by its shortcut.
TEST_F(MainCommandsTest, EachBarItemReachesItsHandlerFromTheBarsItIsLinkedOn) {
    TBarManager design;
    BuildMainBars(design);
    const std::set<std::string> linked = LinkedItemNames(design);
    std::set<int> reached;
    for (HWND barWindow : Descendants(window_.Handle(), "TBarWindow")) {
        const std::string caption = TextOf(barWindow);
        SCOPED_TRACE(caption);
        const TBar* bar = nullptr;
        for (std::size_t i = 0; i < design.BarCount(); ++i)
            if (design.Bar(i).Caption == caption)
                bar = &design.Bar(i);
        ASSERT_NE(bar, nullptr);
        std::vector<int> expected;
        bool holdsSubMenu = false;
        for (const TBarItemLink& link : bar->Links) {
            holdsSubMenu |= link.Item->Kind == TBarItemKind::SubItem;
            const TCommand* command = FindCommandOfItem(link.Item->Name);
            ASSERT_NE(command, nullptr) << link.Item->Name;
            if (command->Id != 0)
                expected.push_back(command->Id);
        }
        if (holdsSubMenu)
            continue;
        const std::vector<int> clicked = ClickAlong(barWindow);
        EXPECT_EQ(clicked, expected);
        reached.insert(clicked.begin(), clicked.end());
    }
    for (const TCommand& command : kCommands) {
        if (command.Id == 0 || !linked.contains(std::string(command.ItemName)))
            continue;
        SCOPED_TRACE(std::string(command.ItemName));
        EXPECT_TRUE(reached.contains(command.Id)) << "no bar runs the command";
        EXPECT_NE(CommandHandler(command.Id), nullptr);
    }
}

}  // namespace

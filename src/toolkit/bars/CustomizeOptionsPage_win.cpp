// The Options page: the manager's options, each applied as soon as it is changed.
#include <array>

#include "toolkit/bars/CustomizePages_win.h"

namespace {

enum TControlId : int { kRecentFirst = 30, kFullMenus, kLargeIcons, kShowHint, kShortCuts, kAnimations };

// In the order of TMenuAnimations.
constexpr std::array kAnimationNames = {"(None)", "Random", "Unfold", "Slide", "Fade"};

class TOptionsPage final : public TCustomizePage {
public:
    using TCustomizePage::TCustomizePage;

    void Update() override {
        const TBarManagerOptions& options = Manager().Options();
        SetChecked(Control(kRecentFirst), options.MenusShowRecentItemsFirst);
        SetChecked(Control(kFullMenus), options.ShowFullMenusAfterDelay);
        SetChecked(Control(kLargeIcons), options.LargeIcons);
        SetChecked(Control(kShowHint), options.ShowHint);
        SetChecked(Control(kShortCuts), options.ShowShortCutInHint);
        SendMessageA(Control(kAnimations), CB_SETCURSEL, static_cast<WPARAM>(options.MenuAnimations), 0);
        const TOptionStates enabled = EnabledOptions(Manager());
        EnableWindow(Control(kRecentFirst), enabled.RecentItemsFirst);
        EnableWindow(Control(kFullMenus), enabled.FullMenusAfterDelay);
        EnableWindow(Control(kShortCuts), enabled.ShortCutInHint);
    }

protected:
    void CreateControls(const TControlFactory& controls) override {
        struct {
            int Id;
            const char* Caption;
            int Left;
            int Top;
        } const boxes[] = {
            {kRecentFirst, "Menus show &recently used commands first", 4, 6},
            {kFullMenus, "Show full menus after a short &delay", 14, 20},
            {kLargeIcons, "&Large icons", 4, 40},
            {kShowHint, "Show &hints on bars", 4, 54},
            {kShortCuts, "Show shortcut &keys in hints", 14, 68},
        };
        for (const auto& box : boxes)
            controls.Add("BUTTON", box.Caption, WS_TABSTOP | BS_AUTOCHECKBOX,
                         units_.Bounds(box.Left, box.Top, 240 - box.Left, 10), box.Id);
        controls.Add("STATIC", "&Menu animations:", SS_LEFT, units_.Bounds(4, 90, 70, 8));
        const HWND animations = controls.Add("COMBOBOX", "", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST,
                                             units_.Bounds(76, 88, 90, 80), kAnimations);
        for (const char* name : kAnimationNames)
            SendMessageA(animations, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
    }

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        const int notification = HIWORD(wParam);
        if (message == WM_COMMAND &&
            (notification == BN_CLICKED || (LOWORD(wParam) == kAnimations && notification == CBN_SELCHANGE))) {
            Apply();
            return 0;
        }
        return DefaultHandling(message, wParam, lParam);
    }

private:
    HWND Control(int id) const { return GetDlgItem(Handle(), id); }

    void Apply() const {
        TBarManagerOptions options = Manager().Options();
        options.MenusShowRecentItemsFirst = IsChecked(Control(kRecentFirst));
        options.ShowFullMenusAfterDelay = IsChecked(Control(kFullMenus));
        options.LargeIcons = IsChecked(Control(kLargeIcons));
        options.ShowHint = IsChecked(Control(kShowHint));
        options.ShowShortCutInHint = IsChecked(Control(kShortCuts));
        const auto animation = SendMessageA(Control(kAnimations), CB_GETCURSEL, 0, 0);
        if (animation >= 0 && static_cast<std::size_t>(animation) < kAnimationNames.size())
            options.MenuAnimations = static_cast<TMenuAnimations>(animation);
        Manager().SetOptions(options);
    }
};

}  // namespace

std::unique_ptr<TCustomizePage> MakeOptionsPage(TBarViewContext& context, TCustomizeSession& session) {
    return std::make_unique<TOptionsPage>(context, session);
}

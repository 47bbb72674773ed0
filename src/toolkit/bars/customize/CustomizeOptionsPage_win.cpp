// The Options page: the manager's options, each applied as soon as it is changed. The page is made from
// the table of the options: a check box for each flag, a detail indented below the flag it needs, and
// the menu animations in a list below them.
#include <cstddef>
#include <iterator>
#include <string>

#include "toolkit/bars/customize/CustomizePages_win.h"
#include "toolkit/bars/model/BarOptions.h"

namespace {

constexpr int kFirstControl = 30;  // + the option's row in kBarOptions
constexpr int kLeft = 4;
constexpr int kIndent = 10;
constexpr int kRowHeight = 14;
constexpr int kGroupGap = 6;  // between the options of recent items and the others
constexpr int kListGap = 6;   // between the last check box and the list

int ControlId(std::size_t row) {
    return kFirstControl + static_cast<int>(row);
}

bool IsFlag(const TBarOption& option) {
    return std::holds_alternative<bool TBarManagerOptions::*>(option.Value);
}

class TOptionsPage final : public TCustomizePage {
public:
    using TCustomizePage::TCustomizePage;

    void Update() override {
        const TBarManagerOptions& options = Manager().Options();
        for (std::size_t row = 0; row < std::size(kBarOptions); ++row) {
            const TBarOption& option = kBarOptions[row];
            const HWND control = Control(row);
            if (IsFlag(option))
                SetChecked(control, options.*std::get<bool TBarManagerOptions::*>(option.Value));
            else
                SendMessageA(
                    control, CB_SETCURSEL,
                    static_cast<WPARAM>(options.*std::get<TMenuAnimations TBarManagerOptions::*>(option.Value)), 0);
            EnableWindow(control, OptionEnabled(Manager(), option));
        }
    }

protected:
    void CreateControls(const TControlFactory& controls) override {
        int top = 6;
        bool recentItems = true;
        for (std::size_t row = 0; row < std::size(kBarOptions); ++row) {
            const TBarOption& option = kBarOptions[row];
            if (!IsFlag(option))
                continue;
            if (recentItems && !option.RecentItems)
                top += kGroupGap;
            recentItems = option.RecentItems;
            const int left = option.Requires ? kLeft + kIndent : kLeft;
            controls.Add("BUTTON", std::string(option.Caption).c_str(), WS_TABSTOP | BS_AUTOCHECKBOX,
                         units_.Bounds(left, top, 240 - left, 10), ControlId(row));
            top += kRowHeight;
        }
        for (std::size_t row = 0; row < std::size(kBarOptions); ++row) {
            const TBarOption& option = kBarOptions[row];
            if (IsFlag(option))
                continue;
            top += kListGap;
            controls.Add("STATIC", std::string(option.Caption).c_str(), SS_LEFT, units_.Bounds(kLeft, top + 2, 70, 8));
            const HWND list = controls.Add("COMBOBOX", "", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST,
                                           units_.Bounds(76, top, 90, 80), ControlId(row));
            for (std::string_view name : kMenuAnimationNames)
                SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(std::string(name).c_str()));
        }
    }

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        const int notification = HIWORD(wParam);
        if (message == WM_COMMAND && (notification == BN_CLICKED || notification == CBN_SELCHANGE)) {
            Apply();
            return 0;
        }
        return DefaultHandling(message, wParam, lParam);
    }

private:
    HWND Control(std::size_t row) const { return GetDlgItem(Handle(), ControlId(row)); }

    void Apply() const {
        TBarManagerOptions options = Manager().Options();
        for (std::size_t row = 0; row < std::size(kBarOptions); ++row) {
            const TBarOption& option = kBarOptions[row];
            if (IsFlag(option)) {
                options.*std::get<bool TBarManagerOptions::*>(option.Value) = IsChecked(Control(row));
                continue;
            }
            const auto chosen = SendMessageA(Control(row), CB_GETCURSEL, 0, 0);
            if (chosen >= 0 && chosen < kMenuAnimationCount)
                options.*std::get<TMenuAnimations TBarManagerOptions::*>(option.Value) =
                    static_cast<TMenuAnimations>(chosen);
        }
        Manager().SetOptions(options);
    }
};

}  // namespace

std::unique_ptr<TCustomizePage> MakeOptionsPage(const TBarViewContext& context, TCustomizeSession& session) {
    return std::make_unique<TOptionsPage>(context, session);
}

#include "toolkit/bars/customize/CustomizeDialog_win.h"

#include <commctrl.h>

#include <array>
#include <memory>

#include "toolkit/bars/customize/CustomizePages_win.h"
#include "toolkit/win/Dialog_win.h"
#include "toolkit/win/Win32Error_win.h"

namespace {

constexpr const char* kPageClass = "TCustomizePage";
constexpr int kTabsId = 1;
// Posted to itself once the dialog runs, when the modal loop has disabled the owner.
constexpr UINT kEnableOwner = WM_APP + 1;

class TCustomizeDialog final : public TModalDialog, private TBarManagerListener {
public:
    TCustomizeDialog(const TBarViewContext& context, TCustomizeSession& session)
        : context_(context),
          units_(context.Measure->Metrics(context.Font)),
          pages_{MakeToolbarsPage(context, session), MakeCommandsPage(context, session),
                 MakeOptionsPage(context, session)} {
        context_.Manager->AddListener(*this);
    }
    ~TCustomizeDialog() override { context_.Manager->RemoveListener(*this); }

private:
    // In dialog units: the tabs over nearly all of it, Close at the bottom right.
    bool Init() override {
        SetWindowTextA(Handle(), "Customize");
        CentreOverOwner(units_.Bounds(0, 0, 262, 218));
        const TControlFactory controls(Handle(), context_.FontHandle);
        tabs_ = controls.Add(WC_TABCONTROLA, "", WS_TABSTOP | WS_CLIPSIBLINGS, units_.Bounds(6, 6, 250, 184), kTabsId);
        const std::array<const char*, 3> titles = {"Toolbars", "Commands", "Options"};
        for (std::size_t i = 0; i < titles.size(); ++i) {
            TCITEMA tab{};
            tab.mask = TCIF_TEXT;
            tab.pszText = const_cast<char*>(titles[i]);
            SendMessageA(tabs_, TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&tab));
        }
        controls.Add("BUTTON", "Close", WS_TABSTOP | BS_DEFPUSHBUTTON, units_.Bounds(200, 196, 56, 14), IDCANCEL);

        RECT area;
        GetWindowRect(tabs_, &area);
        MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&area), 2);
        TabCtrl_AdjustRect(tabs_, FALSE, &area);
        for (auto& page : pages_) {
            page->Create(Handle(), area);
            page->Update();
        }
        ShowPage(0);
        PostMessageA(Handle(), kEnableOwner, 0, 0);
        return true;
    }

    bool HandleDialogMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override {
        result = TRUE;
        switch (message) {
            case kEnableOwner:
                EnableWindow(GetWindow(Handle(), GW_OWNER), TRUE);
                return true;
            case WM_COMMAND:
                if (LOWORD(wParam) != IDCANCEL)
                    return false;
                EndModal(IDCANCEL);  // Close, Escape and the close box
                return true;
            case WM_NOTIFY: {
                const auto& notice = *reinterpret_cast<const NMHDR*>(lParam);
                if (notice.idFrom != kTabsId || notice.code != TCN_SELCHANGE)
                    return false;
                ShowPage(TabCtrl_GetCurSel(tabs_));
                return true;
            }
            default:
                return false;
        }
    }

    void BarsChanged() override {
        if (Handle())
            for (auto& page : pages_)
                page->Update();
    }

    void ShowPage(int shown) const {
        for (std::size_t i = 0; i < pages_.size(); ++i)
            ShowWindow(pages_[i]->Handle(), static_cast<int>(i) == shown ? SW_SHOW : SW_HIDE);
    }

    const TBarViewContext& context_;
    TDialogUnits units_;
    std::array<std::unique_ptr<TCustomizePage>, 3> pages_;
    HWND tabs_ = nullptr;
};

}  // namespace

void TCustomizePage::Create(HWND dialog, const RECT& bounds) {
    RegisterWindowClass(kPageClass, 0, GetSysColorBrush(COLOR_BTNFACE));
    CreateHandle(WS_EX_CONTROLPARENT, kPageClass, "", WS_CHILD | WS_CLIPSIBLINGS, bounds, dialog);
    // Above the tab control, which would otherwise paint over the page.
    SetWindowPos(Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    CreateControls(TControlFactory(Handle(), context_.FontHandle));
}

void TBarCustomizer::Customize(HWND owner) {
    if (views_.InputHook())
        return;
    TCustomizeSession session(views_, context_);
    TCustomizeDialog dialog(context_, session);
    dialog.ShowModal(owner, WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME);
}

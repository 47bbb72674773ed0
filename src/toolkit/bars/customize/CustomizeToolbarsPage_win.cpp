// The Toolbars page: every bar with a check box that shows or hides it, and the buttons that make a new
// bar, rename or delete one of the user's, or reset a designed one.
#include <windows.h>

#include <commctrl.h>

#include <string>

#include "toolkit/bars/customize/CustomizePages_win.h"
#include "toolkit/win/TextPrompt_win.h"

namespace {

enum TControlId : int { kBarList = 10, kNew, kRename, kDelete, kReset };

class TToolbarsPage final : public TCustomizePage {
public:
    using TCustomizePage::TCustomizePage;

    void Update() override {
        const TBarId selected = Selected() ? Selected()->Id : TBarId{};
        updating_ = true;
        ListView_DeleteAllItems(list_);
        for (std::size_t i = 0; i < Manager().BarCount(); ++i) {
            const TBar& bar = Manager().Bar(i);
            LVITEMA item{};
            item.mask = LVIF_TEXT | LVIF_PARAM;
            item.iItem = static_cast<int>(i);
            item.pszText = const_cast<char*>(bar.Caption.c_str());
            item.lParam = static_cast<LPARAM>(bar.Id);
            const int index =
                static_cast<int>(SendMessageA(list_, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
            ListView_SetCheckState(list_, index, bar.Visible);
            if (bar.Id == selected)
                ListView_SetItemState(list_, index, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        }
        updating_ = false;
        EnableButtons();
    }

protected:
    void CreateControls(const TControlFactory& controls) override {
        controls.Add("STATIC", "Toolb&ars:", SS_LEFT, units_.Bounds(4, 4, 150, 8));
        list_ = controls.Add(WC_LISTVIEWA, "",
                             WS_TABSTOP | LVS_REPORT | LVS_NOCOLUMNHEADER | LVS_SINGLESEL | LVS_SHOWSELALWAYS,
                             units_.Bounds(4, 14, 160, 146), kBarList, WS_EX_CLIENTEDGE);
        ListView_SetExtendedListViewStyle(list_, LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
        LVCOLUMNA column{};
        column.mask = LVCF_WIDTH;
        column.cx = units_.X(146);
        SendMessageA(list_, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
        const char* captions[] = {"&New...", "&Rename...", "&Delete", "R&eset..."};
        for (int i = 0; i < 4; ++i)
            buttons_[i] = controls.Add("BUTTON", captions[i], WS_TABSTOP | BS_PUSHBUTTON,
                                       units_.Bounds(172, 14 + 18 * i, 68, 14), kNew + i);
    }

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_NOTIFY && reinterpret_cast<const NMHDR*>(lParam)->idFrom == kBarList) {
            const auto& notice = *reinterpret_cast<const NMHDR*>(lParam);
            if (notice.code == LVN_ITEMCHANGED && !updating_)
                ItemChanged(*reinterpret_cast<const NMLISTVIEW*>(lParam));
            return 0;
        }
        if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED && Press(LOWORD(wParam)))
            return 0;
        return DefaultHandling(message, wParam, lParam);
    }

private:
    bool Press(int button) {
        switch (button) {
            case kNew:
                NewBar();
                return true;
            case kRename:
                RenameBar();
                return true;
            case kDelete:
                DeleteBar();
                return true;
            case kReset:
                ResetBar();
                return true;
            default:
                return false;
        }
    }

    const TBar* Selected() const {
        const int index = ListView_GetNextItem(list_, -1, LVNI_SELECTED);
        if (index < 0)
            return nullptr;
        LVITEMA item{};
        item.mask = LVIF_PARAM;
        item.iItem = index;
        SendMessageA(list_, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
        return Manager().FindBar(static_cast<TBarId>(item.lParam));
    }

    void EnableButtons() const {
        const TBar* bar = Selected();
        const TBarActions actions = bar ? ActionsFor(Manager(), *bar) : TBarActions{};
        EnableWindow(buttons_[1], actions.Rename);
        EnableWindow(buttons_[2], actions.Delete);
        EnableWindow(buttons_[3], actions.Reset);
    }

    // A change of a check box shows or hides its bar; the main menu bar keeps its check.
    void ItemChanged(const NMLISTVIEW& change) {
        if (change.uChanged & LVIF_STATE && (change.uNewState ^ change.uOldState) & LVIS_SELECTED)
            EnableButtons();
        if (!(change.uChanged & LVIF_STATE) || !((change.uNewState ^ change.uOldState) & LVIS_STATEIMAGEMASK))
            return;
        const TBar* bar = Manager().FindBar(static_cast<TBarId>(change.lParam));
        if (!bar)
            return;
        const bool checked = ListView_GetCheckState(list_, change.iItem) != 0;
        if (!ActionsFor(Manager(), *bar).Hide && !checked) {
            updating_ = true;
            ListView_SetCheckState(list_, change.iItem, TRUE);
            updating_ = false;
            return;
        }
        Manager().SetBarVisible(bar->Id, checked);
    }

    // Asks for a bar's caption until the user gives one that may be used, or cancels.
    bool AskCaption(const char* title, std::string& caption, const TBar* renamed) const {
        const TTextPrompt prompt{title, "Bar name:", context_.FontHandle, context_.Measure->Metrics(context_.Font)};
        for (;;) {
            if (!PromptForText(Dialog(), prompt, caption))
                return false;
            const std::string problem = BarCaptionProblem(Manager(), caption, renamed);
            if (problem.empty())
                return true;
            MessageBoxA(Dialog(), problem.c_str(), title, MB_OK | MB_ICONEXCLAMATION);
        }
    }

    bool Confirmed(const std::string& question) const {
        return MessageBoxA(Dialog(), question.c_str(), "Customize", MB_OKCANCEL | MB_ICONQUESTION) == IDOK;
    }

    void NewBar() {
        std::string caption = ProposedBarCaption(Manager());
        if (AskCaption("New Bar", caption, nullptr))
            Select(AddUserBar(Manager(), caption).Id);
    }

    void RenameBar() {
        const TBar* bar = Selected();
        std::string caption = bar ? bar->Caption : std::string();
        if (bar && ActionsFor(Manager(), *bar).Rename && AskCaption("Rename Bar", caption, bar))
            Manager().RenameBar(bar->Id, caption);
    }

    void DeleteBar() {
        const TBar* bar = Selected();
        if (bar && ActionsFor(Manager(), *bar).Delete && Confirmed("Delete the bar \"" + bar->Caption + "\"?"))
            Manager().DeleteBar(bar->Id);
    }

    void ResetBar() {
        const TBar* bar = Selected();
        if (bar && ActionsFor(Manager(), *bar).Reset &&
            Confirmed("Reset the bar \"" + bar->Caption + "\" to its design? Its changes are lost."))
            Manager().ResetBar(bar->Id);
    }

    void Select(TBarId id) {
        for (int index = 0; index < ListView_GetItemCount(list_); ++index) {
            LVITEMA item{};
            item.mask = LVIF_PARAM;
            item.iItem = index;
            SendMessageA(list_, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
            if (static_cast<TBarId>(item.lParam) == id) {
                ListView_SetItemState(list_, index, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
                ListView_EnsureVisible(list_, index, FALSE);
            }
        }
    }

    HWND list_ = nullptr;
    HWND buttons_[4] = {};
    bool updating_ = false;
};

}  // namespace

std::unique_ptr<TCustomizePage> MakeToolbarsPage(const TBarViewContext& context, TCustomizeSession& session) {
    return std::make_unique<TToolbarsPage>(context, session);
}

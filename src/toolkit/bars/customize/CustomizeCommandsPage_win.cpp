// The Commands page: the manager's categories, and the items of the chosen one with their glyphs and
// captions. An item dragged from the list onto a bar becomes a link there; without the mouse, Enter, the
// context-menu key or Shift+F10 on the chosen item offers the bars in a menu, and the bar picked there
// gets the link as a drop at its end would.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

#include "toolkit/bars/customize/CustomizePages_win.h"
#include "toolkit/win/Handles_win.h"
#include "toolkit/win/Win32Error_win.h"

namespace {

enum TControlId : int { kCategoryList = 20, kCommandList };
constexpr UINT_PTR kSubclassId = 0x4342;  // "CB"
// Posted by the list's keys, so that the menu opens after the character Enter leaves in the queue.
constexpr UINT kOfferBars = WM_APP + 1;

bool IsBarsMenuKey(WPARAM key) {
    return key == VK_RETURN || key == VK_APPS || (key == VK_F10 && GetKeyState(VK_SHIFT) < 0);
}

std::string MenuText(const std::string& caption) {
    std::string text;
    for (const char c : caption)
        text += c == '&' ? std::string("&&") : std::string(1, c);
    return text;
}

// The command list's keys for the bars menu. The dialog would take Enter for its Close button; with a
// command chosen, the list asks for it instead.
LRESULT CALLBACK CommandListProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR page) {
    switch (message) {
        case WM_GETDLGCODE: {
            LRESULT code = DefSubclassProc(list, message, wParam, lParam);
            const auto* pending = reinterpret_cast<const MSG*>(lParam);
            if (pending && pending->message == WM_KEYDOWN && pending->wParam == VK_RETURN &&
                ListView_GetNextItem(list, -1, LVNI_SELECTED) >= 0)
                code |= DLGC_WANTMESSAGE;
            return code;
        }
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            if (!IsBarsMenuKey(wParam))
                break;
            PostMessageA(reinterpret_cast<HWND>(page), kOfferBars, 0, 0);
            return 0;
        case WM_KEYUP:
        case WM_SYSKEYUP:
            if (IsBarsMenuKey(wParam))
                return 0;  // the press has offered the bars; no context menu or menu bar on the release
            break;
        case WM_NCDESTROY:
            RemoveWindowSubclass(list, CommandListProc, kSubclassId);
            break;
        default:
            break;
    }
    return DefSubclassProc(list, message, wParam, lParam);
}

class TCommandsPage final : public TCustomizePage {
public:
    using TCustomizePage::TCustomizePage;

    void Update() override {
        const int chosen = std::max(0, static_cast<int>(SendMessageA(categoryList_, LB_GETCURSEL, 0, 0)));
        SendMessageA(categoryList_, LB_RESETCONTENT, 0, 0);
        for (const std::string& category : CategoriesInOrder(Manager()))
            SendMessageA(categoryList_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(category.c_str()));
        SendMessageA(categoryList_, LB_SETCURSEL, static_cast<WPARAM>(chosen), 0);
        ShowCommands();
    }

protected:
    void CreateControls(const TControlFactory& controls) override {
        controls.Add("STATIC", "Cate&gories:", SS_LEFT, units_.Bounds(4, 4, 76, 8));
        categoryList_ = controls.Add("LISTBOX", "", WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                                     units_.Bounds(4, 14, 76, 120), kCategoryList, WS_EX_CLIENTEDGE);
        controls.Add("STATIC", "Comm&ands:", SS_LEFT, units_.Bounds(86, 4, 154, 8));
        commandList_ = controls.Add(
            WC_LISTVIEWA, "",
            WS_TABSTOP | LVS_REPORT | LVS_NOCOLUMNHEADER | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_OWNERDRAWFIXED,
            units_.Bounds(86, 14, 154, 120), kCommandList, WS_EX_CLIENTEDGE);
        LVCOLUMNA column{};
        column.mask = LVCF_WIDTH;
        column.cx = units_.X(140);
        SendMessageA(commandList_, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
        if (!SetWindowSubclass(commandList_, CommandListProc, kSubclassId, reinterpret_cast<DWORD_PTR>(Handle())))
            ThrowLastError("SetWindowSubclass");
        controls.Add("STATIC",
                     "To add a command to a bar, drag it from this list onto the bar, or press Enter and "
                     "choose the bar. To remove a command from a bar, drag it off the bar.",
                     SS_LEFT, units_.Bounds(4, 140, 236, 24));
    }

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        switch (message) {
            case WM_COMMAND:
                if (LOWORD(wParam) == kCategoryList && HIWORD(wParam) == LBN_SELCHANGE)
                    ShowCommands();
                return 0;
            case WM_NOTIFY: {
                const auto& notice = *reinterpret_cast<const NMHDR*>(lParam);
                if (notice.idFrom == kCommandList && notice.code == LVN_BEGINDRAG)
                    BeginDrag(reinterpret_cast<const NMLISTVIEW&>(notice).iItem);
                return 0;
            }
            case kOfferBars:
                OfferBars();
                return 0;
            case WM_MEASUREITEM: {
                auto& measure = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
                measure.itemHeight = static_cast<UINT>(context_.Glyphs->Size() + 6);
                return TRUE;
            }
            case WM_DRAWITEM:
                DrawCommand(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
                return TRUE;
            case WM_MOUSEMOVE:
                if (session_.Dragging())
                    session_.DragTo(CursorPosition());
                return 0;
            case WM_LBUTTONUP:
                if (session_.Dragging())
                    session_.Drop(CursorPosition());
                return 0;
            case WM_CAPTURECHANGED:
                if (session_.Dragging() && reinterpret_cast<HWND>(lParam) != Handle())
                    session_.CancelDrag();
                return 0;
            default:
                return DefaultHandling(message, wParam, lParam);
        }
    }

private:
    static POINT CursorPosition() {
        POINT point;
        GetCursorPos(&point);
        return point;
    }

    void ShowCommands() {
        const int chosen = static_cast<int>(SendMessageA(categoryList_, LB_GETCURSEL, 0, 0));
        const std::vector<std::string> categories = CategoriesInOrder(Manager());
        shown_.clear();
        if (chosen >= 0 && chosen < static_cast<int>(categories.size()))
            shown_ = ItemsOfCategory(Manager(), categories[static_cast<std::size_t>(chosen)]);
        ListView_DeleteAllItems(commandList_);
        for (std::size_t i = 0; i < shown_.size(); ++i) {
            const std::string caption = DisplayedCaption(shown_[i]->Caption);
            LVITEMA entry{};
            entry.mask = LVIF_TEXT;
            entry.iItem = static_cast<int>(i);
            entry.pszText = const_cast<char*>(caption.c_str());
            SendMessageA(commandList_, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&entry));
        }
    }

    void DrawCommand(const DRAWITEMSTRUCT& draw) const {
        if (draw.itemID >= shown_.size())
            return;
        const TBarItem& item = *shown_[draw.itemID];
        const bool selected = (draw.itemState & ODS_SELECTED) != 0;
        FillRect(draw.hDC, &draw.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
        const int glyphColumn = context_.Glyphs->Size() + 8;
        const RECT glyph{draw.rcItem.left, draw.rcItem.top, draw.rcItem.left + glyphColumn, draw.rcItem.bottom};
        context_.Glyphs->DrawCentred(draw.hDC, item.GlyphIndex, glyph, true);
        RECT text{glyph.right, draw.rcItem.top, draw.rcItem.right, draw.rcItem.bottom};
        const std::string caption = DisplayedCaption(item.Caption);
        TSelectObject font(draw.hDC, context_.FontHandle);
        SetBkMode(draw.hDC, TRANSPARENT);
        SetTextColor(draw.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
        DrawTextA(draw.hDC, caption.c_str(), static_cast<int>(caption.size()), &text,
                  DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    }

    void BeginDrag(int index) {
        if (index >= 0 && static_cast<std::size_t>(index) < shown_.size())
            session_.BeginCommandDrag(*shown_[static_cast<std::size_t>(index)], Handle());
    }

    // The menu of the bars under the chosen command; the bar picked there gets a link to it.
    void OfferBars() {
        const int index = ListView_GetNextItem(commandList_, -1, LVNI_SELECTED);
        if (index < 0 || static_cast<std::size_t>(index) >= shown_.size())
            return;
        const TBarItem& command = *shown_[static_cast<std::size_t>(index)];
        const std::vector<const TBar*> bars = BarsToAddTo(Manager());
        TScopedMenu menu(CreatePopupMenu());
        if (!menu)
            ThrowLastError("CreatePopupMenu");
        for (std::size_t i = 0; i < bars.size(); ++i)
            if (!AppendMenuA(menu.Get(), MF_STRING, i + 1, MenuText(bars[i]->Caption).c_str()))
                ThrowLastError("AppendMenu");
        RECT item{};
        ListView_GetItemRect(commandList_, index, &item, LVIR_BOUNDS);
        POINT below{item.left, item.bottom};
        ClientToScreen(commandList_, &below);
        const auto picked = static_cast<std::size_t>(TrackPopupMenuEx(
            menu.Get(), TPM_RETURNCMD | TPM_LEFTALIGN | TPM_TOPALIGN, below.x, below.y, Handle(), nullptr));
        if (picked == 0 || picked > bars.size())
            return;  // Escape, or a click elsewhere
        AddCommandToBar(Manager(), command, bars[picked - 1]->Id);
        // The change showed the list again; the command stays chosen for the next bar.
        ListView_SetItemState(commandList_, index, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        ListView_EnsureVisible(commandList_, index, FALSE);
    }

    HWND categoryList_ = nullptr;
    HWND commandList_ = nullptr;
    std::vector<const TBarItem*> shown_;  // the items of the chosen category, in list order
};

}  // namespace

std::unique_ptr<TCustomizePage> MakeCommandsPage(const TBarViewContext& context, TCustomizeSession& session) {
    return std::make_unique<TCommandsPage>(context, session);
}

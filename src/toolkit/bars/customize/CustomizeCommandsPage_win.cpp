// The Commands page: the manager's categories, and the items of the chosen one with their glyphs and
// captions. An item dragged from the list onto a bar becomes a link there.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

#include "toolkit/bars/customize/CustomizePages_win.h"
#include "toolkit/win/Handles_win.h"

namespace {

enum TControlId : int { kCategoryList = 20, kCommandList };

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
        controls.Add("STATIC",
                     "To add a command to a bar, drag it from this list onto the bar. To remove a command from a "
                     "bar, drag it off the bar.",
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

    HWND categoryList_ = nullptr;
    HWND commandList_ = nullptr;
    std::vector<const TBarItem*> shown_;  // the items of the chosen category, in list order
};

}  // namespace

std::unique_ptr<TCustomizePage> MakeCommandsPage(const TBarViewContext& context, TCustomizeSession& session) {
    return std::make_unique<TCommandsPage>(context, session);
}

#include "toolkit/bars/view/SubMenu_win.h"

#include <algorithm>

#include "toolkit/bars/model/LinkLook.h"
#include "toolkit/bars/view/BarPainter_win.h"
#include "toolkit/bars/view/MenuAnimation_win.h"
#include "toolkit/win/Win32Error_win.h"

namespace {

// Set while a menu of this thread runs its own loop, which shows every message to the message filter
// hook first: Escape and a click elsewhere both end the menu without a command, and only the hook can
// tell them apart.
thread_local bool* escapeSeen = nullptr;

LRESULT CALLBACK MenuMessageFilter(int code, WPARAM wParam, LPARAM lParam) {
    const auto* message = reinterpret_cast<const MSG*>(lParam);
    if (code == MSGF_MENU && escapeSeen && message->message == WM_KEYDOWN && message->wParam == VK_ESCAPE)
        *escapeSeen = true;
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// The click that ends a menu outside it stays in the queue for the window under the pointer. On the
// item that opened the menu it would open it again at once, so it is taken out.
void DropClickOn(HWND owner, const RECT& itemArea) {
    MSG click;
    if (PeekMessageA(&click, owner, WM_LBUTTONDOWN, WM_LBUTTONDOWN, PM_NOREMOVE) && PtInRect(&itemArea, click.pt))
        PeekMessageA(&click, owner, WM_LBUTTONDOWN, WM_LBUTTONDOWN, PM_REMOVE);
}

}  // namespace

TSubMenu::TSubMenu(const TBarItem& subItem, const TBarViewContext& context, const TMenuPlan& plan)
    : context_(context), menu_(CreatePopupMenu()) {
    if (!menu_)
        ThrowLastError("CreatePopupMenu");
    for (const TMenuEntryPlan& planned : plan.Entries) {
        if (planned.SeparatorBefore) {
            TEntry separator;
            separator.Separator = true;
            entries_.push_back(separator);
        }
        const TBarItemLink& link = subItem.SubLinks[planned.LinkIndex];
        const TBarItem& item = *link.Item;
        TEntry entry{link.Caption(), ShortCutText(item.ShortCut), -1, item.CommandId, item.Enabled};
        if (LookInMenu(link).Glyph)
            entry.GlyphIndex = item.GlyphIndex;
        entry.Recessed = !planned.Recent;
        entries_.push_back(entry);
    }
    if (plan.CanExpand) {
        TEntry chevron;
        chevron.CommandId = kChevronCommand;
        chevron.Chevron = true;
        entries_.push_back(chevron);
    }
    for (std::size_t index = 0; index < entries_.size(); ++index) {
        const TEntry& entry = entries_[index];
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STATE | MIIM_DATA;
        info.fType = MFT_OWNERDRAW | (entry.Separator ? MFT_SEPARATOR : 0);
        info.fState = entry.Enabled ? MFS_ENABLED : MFS_GRAYED;
        info.wID = static_cast<UINT>(entry.CommandId);
        info.dwItemData = index;
        if (!InsertMenuItemA(menu_.Get(), static_cast<UINT>(index), TRUE, &info))
            ThrowLastError("InsertMenuItem");
    }
}

int TSubMenu::Track(HWND owner, const RECT& itemArea, bool byKeyboard) {
    // The menu's own loop takes this key first and selects the first entry.
    if (byKeyboard)
        PostMessageA(owner, WM_KEYDOWN, VK_DOWN, 0);
    leftWithEscape_ = false;
    const TScopedHook filter(SetWindowsHookExA(WH_MSGFILTER, MenuMessageFilter, nullptr, GetCurrentThreadId()));
    escapeSeen = &leftWithEscape_;
    const TMenuAnimation animation(AnimationToPlay(context_.Manager->Options().MenuAnimations, SystemAnimatesMenus(),
                                                   static_cast<unsigned>(GetTickCount())));
    TPMPARAMS exclude{sizeof exclude, itemArea};
    const UINT flags = TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RETURNCMD | TPM_VERTICAL | TMenuAnimation::kTrackFlags;
    const int command =
        static_cast<int>(TrackPopupMenuEx(menu_.Get(), flags, itemArea.left, itemArea.bottom, owner, &exclude));
    escapeSeen = nullptr;
    DropClickOn(owner, itemArea);
    return command;
}

bool TSubMenu::HandleMenuMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) const {
    switch (message) {
        case WM_MEASUREITEM: {
            auto& measure = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
            if (measure.CtlType != ODT_MENU || measure.itemData >= entries_.size())
                return false;
            Measure(measure);
            result = TRUE;
            return true;
        }
        case WM_DRAWITEM: {
            const auto& draw = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (draw.CtlType != ODT_MENU || draw.itemData >= entries_.size())
                return false;
            Draw(draw);
            result = TRUE;
            return true;
        }
        case WM_MENUCHAR:
            if (reinterpret_cast<HMENU>(lParam) != menu_.Get())
                return false;
            result = MenuChar(static_cast<char>(LOWORD(wParam)));
            return true;
        default:
            return false;
    }
}

void TSubMenu::Measure(MEASUREITEMSTRUCT& measure) const {
    const TEntry& entry = entries_[measure.itemData];
    const TBarMetrics& metrics = context_.Metrics;
    if (entry.Separator || entry.Chevron) {
        measure.itemWidth = 0;
        measure.itemHeight = static_cast<UINT>(entry.Separator ? metrics.MenuSeparatorHeight : metrics.MenuEntryHeight);
        return;
    }
    int width = metrics.MenuGlyphColumn + metrics.MenuTextGap +
                context_.Measure->TextWidth(context_.Font, DisplayedCaption(entry.Caption)) + metrics.MenuTextGap;
    if (!entry.ShortCut.empty())
        width += 3 * metrics.MenuTextGap + context_.Measure->TextWidth(context_.Font, entry.ShortCut);
    // The menu adds the width of a check mark to owner-drawn entries itself.
    measure.itemWidth = static_cast<UINT>(std::max(0, width - GetSystemMetrics(SM_CXMENUCHECK) + 1));
    measure.itemHeight = static_cast<UINT>(metrics.MenuEntryHeight);
}

void TSubMenu::Draw(const DRAWITEMSTRUCT& draw) const {
    const TEntry& entry = entries_[draw.itemData];
    TSelectObject font(draw.hDC, context_.FontHandle);
    const bool selected = (draw.itemState & ODS_SELECTED) != 0;
    if (entry.Chevron) {
        PaintMenuChevron(draw.hDC, draw.rcItem, context_.Metrics, selected);
        return;
    }
    TMenuEntryLook look;
    look.Caption = entry.Caption;
    look.ShortCut = entry.ShortCut;
    look.Separator = entry.Separator;
    look.Enabled = entry.Enabled;
    look.Selected = selected;
    look.Recessed = entry.Recessed;
    look.HideAccessKey = (draw.itemState & ODS_NOACCEL) != 0;
    PaintMenuEntry(draw.hDC, draw.rcItem, context_.Metrics, look);
    if (entry.Separator || entry.GlyphIndex < 0)
        return;
    const RECT column{draw.rcItem.left, draw.rcItem.top, draw.rcItem.left + context_.Metrics.MenuGlyphColumn,
                      draw.rcItem.bottom};
    context_.Glyphs->DrawCentred(draw.hDC, entry.GlyphIndex, column, entry.Enabled);
}

// Owner-drawn entries leave their access keys to the owner.
LRESULT TSubMenu::MenuChar(char key) const {
    for (std::size_t index = 0; index < entries_.size(); ++index) {
        const TEntry& entry = entries_[index];
        if (!entry.Separator && entry.Enabled && SameAccessKey(AccessKey(entry.Caption), key))
            return MAKELRESULT(index, MNC_EXECUTE);
    }
    return MAKELRESULT(0, MNC_IGNORE);
}

#include "toolkit/bars/view/SubMenu_win.h"

#include <algorithm>

#include "toolkit/bars/model/LinkLook.h"
#include "toolkit/bars/view/BarPainter_win.h"
#include "toolkit/bars/view/MenuAnimation_win.h"
#include "toolkit/win/AccessibleTypes_win.h"
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
            separator.Facts.Separator = true;
            entries_.push_back(separator);
        }
        const TBarItemLink& link = subItem.SubLinks[planned.LinkIndex];
        const TBarItem& item = *link.Item;
        TEntry entry;
        entry.Facts = TMenuEntryFacts{link.Caption(), ShortCutText(item.ShortCut), item.Enabled};
        entry.CommandId = item.CommandId;
        if (LookInMenu(link).Glyph)
            entry.GlyphIndex = item.GlyphIndex;
        entry.Recessed = !planned.Recent;
        entries_.push_back(entry);
    }
    if (plan.CanExpand) {
        TEntry chevron;
        chevron.CommandId = kChevronCommand;
        chevron.Facts.Chevron = true;
        entries_.push_back(chevron);
    }
    // The entries stay where they are from here on: the item data points at them.
    for (std::size_t index = 0; index < entries_.size(); ++index) {
        TEntry& entry = entries_[index];
        entry.MsaaName = WideText(DescribeMenuEntry(entry.Facts, TRect{}, false).Name);
        entry.Msaa.dwMSAASignature = static_cast<DWORD>(MSAA_MENU_SIG);
        entry.Msaa.cchWText = static_cast<DWORD>(entry.MsaaName.size());
        entry.Msaa.pszWText = entry.MsaaName.data();
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STATE | MIIM_DATA;
        info.fType = MFT_OWNERDRAW | (entry.Facts.Separator ? MFT_SEPARATOR : 0);
        info.fState = entry.Facts.Enabled ? MFS_ENABLED : MFS_GRAYED;
        info.wID = static_cast<UINT>(entry.CommandId);
        info.dwItemData = reinterpret_cast<ULONG_PTR>(&entry);
        if (!InsertMenuItemA(menu_.Get(), static_cast<UINT>(index), TRUE, &info))
            ThrowLastError("InsertMenuItem");
    }
}

int TSubMenu::Track(HWND owner, const RECT& itemArea, bool byKeyboard) {
    // The menu's own loop takes this key first and selects the first entry.
    if (byKeyboard)
        PostMessageA(owner, WM_KEYDOWN, VK_DOWN, 0);
    leftWithEscape_ = false;
    selected_ = -1;
    picked_ = 0;
    const TScopedHook filter(SetWindowsHookExA(WH_MSGFILTER, MenuMessageFilter, nullptr, GetCurrentThreadId()));
    escapeSeen = &leftWithEscape_;
    const TMenuAnimation animation(AnimationToPlay(context_.Manager->Options().MenuAnimations, SystemAnimatesMenus(),
                                                   static_cast<unsigned>(GetTickCount())));
    TPMPARAMS exclude{sizeof exclude, itemArea};
    const UINT flags = TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RETURNCMD | TPM_VERTICAL | TMenuAnimation::kTrackFlags;
    int command =
        static_cast<int>(TrackPopupMenuEx(menu_.Get(), flags, itemArea.left, itemArea.bottom, owner, &exclude));
    escapeSeen = nullptr;
    selected_ = -1;
    DropClickOn(owner, itemArea);
    if (command == 0)
        command = picked_;
    return command;
}

RECT TSubMenu::EntryArea(std::size_t index) const {
    RECT area{};
    if (!GetMenuItemRect(nullptr, menu_.Get(), static_cast<UINT>(index), &area))
        return RECT{};
    return area;
}

// The menu ends as a click on the entry would end it; Track then returns the entry's command.
bool TSubMenu::Pick(std::size_t index) {
    if (index >= entries_.size() || entries_[index].Facts.Separator || !entries_[index].Facts.Enabled)
        return false;
    picked_ = entries_[index].CommandId;
    EndMenu();
    return true;
}

const TSubMenu::TEntry* TSubMenu::EntryOf(ULONG_PTR itemData) const {
    for (const TEntry& entry : entries_)
        if (reinterpret_cast<ULONG_PTR>(&entry) == itemData)
            return &entry;
    return nullptr;
}

bool TSubMenu::HandleMenuMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
        case WM_MEASUREITEM: {
            auto& measure = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
            const TEntry* entry = measure.CtlType == ODT_MENU ? EntryOf(measure.itemData) : nullptr;
            if (!entry)
                return false;
            Measure(measure, *entry);
            result = TRUE;
            return true;
        }
        case WM_DRAWITEM: {
            const auto& draw = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            const TEntry* entry = draw.CtlType == ODT_MENU ? EntryOf(draw.itemData) : nullptr;
            if (!entry)
                return false;
            Draw(draw, *entry);
            result = TRUE;
            return true;
        }
        // The entry's command tells which is selected: separators are never selected and the other
        // entries' commands differ.
        case WM_MENUSELECT: {
            if (reinterpret_cast<HMENU>(lParam) != menu_.Get())
                return false;
            selected_ = -1;
            for (std::size_t index = 0; index < entries_.size() && HIWORD(wParam) != 0xFFFF; ++index)
                if (!entries_[index].Facts.Separator && entries_[index].CommandId == LOWORD(wParam)) {
                    selected_ = static_cast<int>(index);
                    break;
                }
            result = 0;
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

void TSubMenu::Measure(MEASUREITEMSTRUCT& measure, const TEntry& entry) const {
    const TMenuEntryFacts& facts = entry.Facts;
    const TBarMetrics& metrics = context_.Metrics;
    if (facts.Separator || facts.Chevron) {
        measure.itemWidth = 0;
        measure.itemHeight = static_cast<UINT>(facts.Separator ? metrics.MenuSeparatorHeight : metrics.MenuEntryHeight);
        return;
    }
    int width = metrics.MenuGlyphColumn + metrics.MenuTextGap +
                context_.Measure->TextWidth(context_.Font, DisplayedCaption(facts.Caption)) + metrics.MenuTextGap;
    if (!facts.ShortCut.empty())
        width += 3 * metrics.MenuTextGap + context_.Measure->TextWidth(context_.Font, facts.ShortCut);
    // The menu adds the width of a check mark to owner-drawn entries itself.
    measure.itemWidth = static_cast<UINT>(std::max(0, width - GetSystemMetrics(SM_CXMENUCHECK) + 1));
    measure.itemHeight = static_cast<UINT>(metrics.MenuEntryHeight);
}

void TSubMenu::Draw(const DRAWITEMSTRUCT& draw, const TEntry& entry) const {
    const TMenuEntryFacts& facts = entry.Facts;
    TSelectObject font(draw.hDC, context_.FontHandle);
    const bool selected = (draw.itemState & ODS_SELECTED) != 0;
    if (facts.Chevron) {
        PaintMenuChevron(draw.hDC, draw.rcItem, context_.Metrics, selected);
        return;
    }
    TMenuEntryLook look;
    look.Caption = facts.Caption;
    look.ShortCut = facts.ShortCut;
    look.Separator = facts.Separator;
    look.Enabled = facts.Enabled;
    look.Selected = selected;
    look.Recessed = entry.Recessed;
    look.HideAccessKey = (draw.itemState & ODS_NOACCEL) != 0;
    PaintMenuEntry(draw.hDC, draw.rcItem, context_.Metrics, look);
    if (facts.Separator || entry.GlyphIndex < 0)
        return;
    const RECT column{draw.rcItem.left, draw.rcItem.top, draw.rcItem.left + context_.Metrics.MenuGlyphColumn,
                      draw.rcItem.bottom};
    context_.Glyphs->DrawCentred(draw.hDC, entry.GlyphIndex, column, facts.Enabled);
}

// Owner-drawn entries leave their access keys to the owner.
LRESULT TSubMenu::MenuChar(char key) const {
    for (std::size_t index = 0; index < entries_.size(); ++index) {
        const TMenuEntryFacts& entry = entries_[index].Facts;
        if (!entry.Separator && entry.Enabled && SameAccessKey(AccessKey(entry.Caption), key))
            return MAKELRESULT(index, MNC_EXECUTE);
    }
    return MAKELRESULT(0, MNC_IGNORE);
}

#include "toolkit/bars/SubMenu_win.h"

#include <string>

#include "toolkit/win/Handles_win.h"
#include "toolkit/win/Win32Error_win.h"

namespace {

void AppendEntry(HMENU menu, const TBarItemLink& link) {
    const TBarItem& item = *link.Item;
    std::string text = link.Caption();
    if (!item.ShortCut.Empty()) text += "\t" + ShortCutText(item.ShortCut);
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID | MIIM_STRING | MIIM_STATE | MIIM_DATA;
    info.wID = static_cast<UINT>(item.CommandId);
    info.dwTypeData = text.data();
    info.fState = item.Enabled ? MFS_ENABLED : MFS_GRAYED;
    if (item.GlyphIndex >= 0) {
        // The glyph is drawn by the owner, the text and the access key stay the menu's own.
        info.fMask |= MIIM_BITMAP;
        info.hbmpItem = HBMMENU_CALLBACK;
        info.dwItemData = static_cast<ULONG_PTR>(item.GlyphIndex);
    }
    if (!InsertMenuItemA(menu, GetMenuItemCount(menu), TRUE, &info)) ThrowLastError("InsertMenuItem");
}

TScopedMenu BuildMenu(const TItemLinks& links) {
    TScopedMenu menu(CreatePopupMenu());
    if (!menu) ThrowLastError("CreatePopupMenu");
    for (std::size_t i = 0; i < links.size(); ++i) {
        if (!links[i].Shown() || links[i].Item->Kind != TBarItemKind::Button) continue;
        if (ShowsSeparatorBefore(links, i) && GetMenuItemCount(menu.Get()) > 0)
            AppendMenuA(menu.Get(), MF_SEPARATOR, 0, nullptr);
        AppendEntry(menu.Get(), links[i]);
    }
    return menu;
}

}  // namespace

int TrackSubMenu(const TBarItem& subItem, HWND owner, const RECT& itemArea, bool byKeyboard) {
    const TScopedMenu menu = BuildMenu(subItem.SubLinks);
    // The menu's own loop takes this key first and selects the first entry.
    if (byKeyboard) PostMessageA(owner, WM_KEYDOWN, VK_DOWN, 0);
    TPMPARAMS exclude{sizeof exclude, itemArea};
    return static_cast<int>(TrackPopupMenuEx(menu.Get(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RETURNCMD | TPM_VERTICAL,
                                             itemArea.left, itemArea.bottom, owner, &exclude));
}

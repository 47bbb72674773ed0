// The native controls of a bar window: combo boxes for combo links and the tool tips of the items.
#include "toolkit/bars/view/BarWindow_win.h"

#include <commctrl.h>

#include <algorithm>

#include "toolkit/win/PaintHelpers_win.h"
#include "toolkit/win/Win32Error_win.h"

namespace {

std::string WindowText(HWND window) {
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

// The version 5 controls reject the larger record of newer headers.
TTTOOLINFOA ToolInfo(HWND owner, UINT flags, UINT_PTR id) {
    TTTOOLINFOA info{};
    info.cbSize = TTTOOLINFOA_V2_SIZE;
    info.uFlags = flags;
    info.hwnd = owner;
    info.uId = id;
    return info;
}

}  // namespace

TBarWindow::TComboControl& TBarWindow::ComboFor(TLinkId link) {
    for (TComboControl& combo : combos_)
        if (combo.Link == link)
            return combo;
    TComboControl combo;
    combo.Link = link;
    combo.Handle =
        CreateWindowExA(0, "COMBOBOX", nullptr, WS_CHILD | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL, 0,
                        0, 0, 0, Handle(), nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!combo.Handle)
        ThrowLastError("CreateWindowEx(combo box)");
    SendMessageA(combo.Handle, WM_SETFONT, reinterpret_cast<WPARAM>(context_.FontHandle), FALSE);
    combos_.push_back(combo);
    return combos_.back();
}

HWND TBarWindow::ComboHandle(TLinkId link) const {
    for (const TComboControl& combo : combos_)
        if (combo.Link == link)
            return combo.Handle;
    return nullptr;
}

// Model values reach the control only when they differ from what it shows, so that a typed text, the
// caret and an open list survive a relayout and the announcement of the control's own change. A box
// that stays is never hidden on the way: hiding would take the keyboard focus from it. The control of a
// link that is gone goes with it.
void TBarWindow::UpdateCombos() {
    const TBar* bar = Bar();
    std::erase_if(combos_, [&](const TComboControl& combo) {
        if (bar && bar->Links.IndexOf(combo.Link) < bar->Links.size())
            return false;
        DestroyWindow(combo.Handle);
        return true;
    });
    std::vector<HWND> placed;
    for (int index = 0; index < PlaceCount(); ++index) {
        const TBarItemLink* link = LinkOf(index);
        if (!link || link->Item->Kind != TBarItemKind::Combo)
            continue;
        const TItemPlace& place = placement_.Items[static_cast<std::size_t>(index)];
        const TBarItem& item = *link->Item;
        TComboControl& combo = ComboFor(link->Id);
        ShowComboValues(combo, item.Combo);
        EnableWindow(combo.Handle, item.Enabled);
        // A drop-down combo's height includes its list: room for the visible entries.
        const int editHeight =
            static_cast<int>(SendMessageA(combo.Handle, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0)) + 6;
        const int entryHeight = static_cast<int>(SendMessageA(combo.Handle, CB_GETITEMHEIGHT, 0, 0));
        const int top = (place.ComboBox.Top + place.ComboBox.Bottom - editHeight) / 2;
        SetWindowPos(combo.Handle, nullptr, place.ComboBox.Left, top, place.ComboBox.Width(),
                     editHeight + item.Combo.DropDownCount * entryHeight + 2,
                     SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
        placed.push_back(combo.Handle);
    }
    for (const TComboControl& combo : combos_)
        if (std::find(placed.begin(), placed.end(), combo.Handle) == placed.end())
            ShowWindow(combo.Handle, SW_HIDE);
}

void TBarWindow::ShowComboValues(TComboControl& combo, const TComboProperties& values) {
    if (combo.ShownEntries != values.Entries) {
        SendMessageA(combo.Handle, CB_RESETCONTENT, 0, 0);
        for (const std::string& entry : values.Entries)
            SendMessageA(combo.Handle, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
        combo.ShownEntries = values.Entries;
    }
    const bool chosen = values.ItemIndex >= 0;
    if (chosen && SendMessageA(combo.Handle, CB_GETCURSEL, 0, 0) != values.ItemIndex)
        SendMessageA(combo.Handle, CB_SETCURSEL, static_cast<WPARAM>(values.ItemIndex), 0);
    else if (!chosen && WindowText(combo.Handle) != values.Text)
        SetWindowTextA(combo.Handle, values.Text.c_str());
    else
        return;
    SendMessageA(combo.Handle, CB_SETEDITSEL, 0, MAKELPARAM(-1, 0));
}

void TBarWindow::ComboChanged(HWND control, int notification) {
    if (notification != CBN_SELCHANGE && notification != CBN_EDITCHANGE)
        return;
    const TBar* bar = Bar();
    for (const TComboControl& combo : combos_) {
        const std::size_t index = bar ? bar->Links.IndexOf(combo.Link) : 0;
        if (combo.Handle != control || !bar || index >= bar->Links.size() || !bar->Links[index].Item)
            continue;
        const int chosen = static_cast<int>(SendMessageA(control, CB_GETCURSEL, 0, 0));
        const std::string typed = WindowText(control);
        context_.Manager->ChangeItem(*bar->Links[index].Item, [&](TBarItemProperties& item) {
            if (notification == CBN_SELCHANGE)
                item.Combo.Choose(chosen);
            else
                item.Combo.Type(typed);
        });
        return;
    }
}

// The pointer's move is told to the bar (for its combo boxes as well: they pass the question of the
// cursor on to it) before it is handed out, so the control, which watches the tools from now on, sees
// this move already.
void TBarWindow::CreateToolTipOnFirstPointer(LPARAM setCursorParam) {
    if (toolTipMade_ || HIWORD(setCursorParam) != WM_MOUSEMOVE)
        return;
    toolTipMade_ = true;
    // A control that cannot be made leaves the bar working, without tips, and is not tried again.
    toolTip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner_.HostWindow(), nullptr,
                               GetModuleHandleA(nullptr), nullptr);
    UpdateToolTips();
}

// One tool per item with a tip. A disabled combo box gets no mouse messages, they reach the bar, so its
// place on the bar is a tool as well as the box and its edit field.
void TBarWindow::UpdateToolTips() {
    if (!toolTip_)
        return;
    for (UINT_PTR id : toolIds_) {
        TTTOOLINFOA info = ToolInfo(Handle(), 0, id);
        SendMessageA(toolTip_, TTM_DELTOOL, 0, reinterpret_cast<LPARAM>(&info));
    }
    toolIds_.clear();
    if (!context_.Manager->Options().ShowHint)
        return;
    auto add = [&](UINT flags, UINT_PTR id, const RECT& area, std::string& text) {
        TTTOOLINFOA info = ToolInfo(Handle(), flags | TTF_SUBCLASS, id);
        info.rect = area;
        info.lpszText = text.data();
        if (SendMessageA(toolTip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info)))
            toolIds_.push_back(id);
    };
    for (int place = 0; place < PlaceCount(); ++place) {
        const TItemPlace& where = placement_.Items[static_cast<std::size_t>(place)];
        const TBarItemLink* link = LinkOf(place);
        if (!link || Bar()->IsMainMenu)
            continue;
        const TBarItem& item = *link->Item;
        std::string text = ToolTipText(item, context_.Manager->Options().ShowShortCutInHint);
        if (text.empty())
            continue;
        if (!item.Enabled && !context_.Manager->ShowHintForDisabledItems)
            continue;
        add(0, static_cast<UINT_PTR>(place) + 1, ToRect(where.Bounds), text);
        if (item.Kind != TBarItemKind::Combo)
            continue;
        const HWND box = ComboFor(link->Id).Handle;
        for (HWND control : {box, GetWindow(box, GW_CHILD)})
            if (control)
                add(TTF_IDISHWND, reinterpret_cast<UINT_PTR>(control), RECT{}, text);
    }
}

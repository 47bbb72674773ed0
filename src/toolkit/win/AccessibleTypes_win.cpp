#include "toolkit/win/AccessibleTypes_win.h"

#include <string>

// Once per thread; the user-interface thread keeps it until the program ends.
void NeedComOnThisThread() {
    thread_local const HRESULT initialised = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    (void)initialised;
}

long SystemRole(TAccessibleRole role) {
    switch (role) {
        case TAccessibleRole::Client:
            return ROLE_SYSTEM_CLIENT;
        case TAccessibleRole::Document:
            return ROLE_SYSTEM_DOCUMENT;
        case TAccessibleRole::MenuBar:
            return ROLE_SYSTEM_MENUBAR;
        case TAccessibleRole::ToolBar:
            return ROLE_SYSTEM_TOOLBAR;
        case TAccessibleRole::PopupMenu:
            return ROLE_SYSTEM_MENUPOPUP;
        case TAccessibleRole::MenuItem:
            return ROLE_SYSTEM_MENUITEM;
        case TAccessibleRole::Separator:
            return ROLE_SYSTEM_SEPARATOR;
        case TAccessibleRole::PushButton:
            return ROLE_SYSTEM_PUSHBUTTON;
        case TAccessibleRole::ComboBox:
            return ROLE_SYSTEM_COMBOBOX;
        case TAccessibleRole::StatusBar:
            return ROLE_SYSTEM_STATUSBAR;
        case TAccessibleRole::StaticText:
            return ROLE_SYSTEM_STATICTEXT;
        case TAccessibleRole::Table:
            return ROLE_SYSTEM_TABLE;
        case TAccessibleRole::Row:
            return ROLE_SYSTEM_ROW;
        case TAccessibleRole::ColumnHeader:
            return ROLE_SYSTEM_COLUMNHEADER;
        case TAccessibleRole::Cell:
            return ROLE_SYSTEM_CELL;
    }
    return ROLE_SYSTEM_CLIENT;
}

DWORD SystemState(unsigned state, bool shown) {
    struct TBit {
        unsigned Ours;
        DWORD Platform;
    };
    static constexpr TBit kBits[] = {
        {accstate::kUnavailable, STATE_SYSTEM_UNAVAILABLE}, {accstate::kFocusable, STATE_SYSTEM_FOCUSABLE},
        {accstate::kFocused, STATE_SYSTEM_FOCUSED},         {accstate::kHot, STATE_SYSTEM_HOTTRACKED},
        {accstate::kPressed, STATE_SYSTEM_PRESSED},         {accstate::kChecked, STATE_SYSTEM_CHECKED},
        {accstate::kHasPopup, STATE_SYSTEM_HASPOPUP},       {accstate::kExpanded, STATE_SYSTEM_EXPANDED},
        {accstate::kReadOnly, STATE_SYSTEM_READONLY},
    };
    DWORD platform = shown ? 0 : STATE_SYSTEM_OFFSCREEN;
    for (const TBit& bit : kBits)
        if (state & bit.Ours)
            platform |= bit.Platform;
    return platform;
}

std::wstring WideText(std::string_view text) {
    const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return wide;
}

BSTR ToBstr(std::string_view text) {
    const std::wstring wide = WideText(text);
    return SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
}

VARIANT LongVariant(long value) {
    VARIANT variant;
    VariantInit(&variant);
    variant.vt = VT_I4;
    variant.lVal = value;
    return variant;
}

VARIANT DispatchVariant(IDispatch* object) {
    VARIANT variant;
    VariantInit(&variant);
    variant.vt = VT_DISPATCH;
    variant.pdispVal = object;
    return variant;
}

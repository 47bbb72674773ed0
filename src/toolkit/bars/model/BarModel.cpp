#include "toolkit/bars/model/BarModel.h"

#include <algorithm>
#include <utility>

namespace {

char FoldCase(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return FoldCase(x) == FoldCase(y); });
}

struct TKeyName {
    int Key;
    const char* Name;
};

// Names of the keys that are not a letter, a digit or a function key (virtual-key codes).
constexpr TKeyName kKeyNames[] = {
    {0x08, "BkSp"}, {0x09, "Tab"},   {0x0D, "Enter"}, {0x1B, "Esc"},  {0x20, "Space"},
    {0x21, "PgUp"}, {0x22, "PgDn"},  {0x23, "End"},   {0x24, "Home"}, {0x25, "Left"},
    {0x26, "Up"},   {0x27, "Right"}, {0x28, "Down"},  {0x2D, "Ins"},  {0x2E, "Del"},
};

std::string KeyName(int key) {
    if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z'))
        return std::string(1, static_cast<char>(key));
    if (key >= 0x70 && key <= 0x87)
        return "F" + std::to_string(key - 0x70 + 1);
    for (const TKeyName& entry : kKeyNames)
        if (entry.Key == key)
            return entry.Name;
    return {};
}

}  // namespace

std::string ShortCutText(TShortCut shortCut) {
    if (shortCut.Empty())
        return {};
    std::string text;
    if (shortCut.Code & TShortCut::kCtrl)
        text += "Ctrl+";
    if (shortCut.Code & TShortCut::kShift)
        text += "Shift+";
    if (shortCut.Code & TShortCut::kAlt)
        text += "Alt+";
    return text + KeyName(shortCut.Key());
}

char AccessKey(std::string_view caption) {
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&')
            continue;
        if (caption[i + 1] != '&')
            return caption[i + 1];
        ++i;
    }
    return 0;
}

std::string DisplayedCaption(std::string_view caption) {
    std::string text;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size())
            ++i;
        text += caption[i];
    }
    return text;
}

bool SameAccessKey(char a, char b) {
    return a != 0 && FoldCase(a) == FoldCase(b);
}

std::string ShortHint(std::string_view hint) {
    return std::string(hint.substr(0, hint.find('|')));
}

bool TBarItemLink::Shown() const {
    return Visible && Item != nullptr && Item->Visible;
}

std::string TBarItemLink::Caption() const {
    if (UserDefine & kUserDefineCaption)
        return UserCaption;
    return Item ? Item->Caption : std::string();
}

TPaintStyle TBarItemLink::PaintStyle() const {
    if (UserDefine & kUserDefinePaintStyle)
        return UserPaintStyle;
    return Item ? Item->PaintStyle : TPaintStyle::Standard;
}

int TBarItemLink::Width() const {
    if (UserDefine & kUserDefineWidth)
        return UserWidth;
    if (!Item)
        return 0;
    return Item->Kind == TBarItemKind::Combo ? Item->Combo.BoxWidth : Item->Progress.Width;
}

std::size_t TItemLinks::IndexOf(TLinkId id) const {
    const auto found =
        std::find_if(links_.begin(), links_.end(), [&](const TBarItemLink& link) { return link.Id == id; });
    return static_cast<std::size_t>(found - links_.begin());
}

int TItemLinks::RecentIndex(TLinkId id) const {
    const auto found = std::find(recent_.begin(), recent_.end(), id);
    return found == recent_.end() ? -1 : static_cast<int>(found - recent_.begin());
}

bool ShowsSeparatorBefore(const TItemLinks& links, std::size_t index) {
    if (!links[index].Shown())
        return links[index].BeginGroup;
    bool flagSincePreviousShown = links[index].BeginGroup;
    for (std::size_t i = index; i-- > 0;) {
        if (links[i].Shown())
            return flagSincePreviousShown;
        flagSincePreviousShown = flagSincePreviousShown || links[i].BeginGroup;
    }
    return false;  // the first shown link never has a separator before it
}

int TProgressProperties::FilledLength(int length) const {
    if (Max <= Min)
        return 0;
    const int position = std::clamp(Position, Min, Max);
    return length * (position - Min) / (Max - Min);
}

void TComboProperties::Choose(int index) {
    const auto entry = static_cast<std::size_t>(index);
    const bool exists = index >= 0 && entry < Entries.size();
    ItemIndex = exists ? index : -1;
    Text = exists ? Entries[entry] : std::string();
}

void TComboProperties::Type(std::string text) {
    ItemIndex = -1;
    Text = std::move(text);
}

std::string ToolTipText(const TBarItemProperties& item, bool showShortCutInHint) {
    std::string text = ShortHint(item.Hint);
    if (text.empty())
        return text;
    if (showShortCutInHint && !item.ShortCut.Empty())
        text += " (" + ShortCutText(item.ShortCut) + ")";
    return text;
}

const TBarItem* TBarManager::FindItem(std::string_view name) const {
    for (const auto& item : items_)
        if (SameName(item->Name, name))
            return item.get();
    return nullptr;
}

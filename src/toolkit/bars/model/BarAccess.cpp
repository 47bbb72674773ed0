#include "toolkit/bars/model/BarAccess.h"

#include "toolkit/bars/model/BarKeyboard.h"

namespace {

TAccessibleRole LinkRole(const TBarItem& item, bool menuBar) {
    if (menuBar || item.Kind == TBarItemKind::SubItem)
        return TAccessibleRole::MenuItem;
    return item.Kind == TBarItemKind::Combo ? TAccessibleRole::ComboBox : TAccessibleRole::PushButton;
}

// The keys that reach the item: its shortcut, or on the menu bar Alt with its access key.
std::string LinkShortcut(const TBarItemLink& link, bool menuBar) {
    const TBarItem& item = *link.Item;
    if (!item.ShortCut.Empty())
        return ShortCutText(item.ShortCut);
    const char key = AccessKey(link.Caption());
    if (!menuBar || key == 0)
        return {};
    return "Alt+" + std::string(1, key >= 'a' && key <= 'z' ? static_cast<char>(key - 'a' + 'A') : key);
}

std::string LinkValue(const TBarItem& item) {
    switch (item.Kind) {
        case TBarItemKind::Combo:
            return item.Combo.Text;
        case TBarItemKind::Progress:
            return item.Description;  // a swatch's colour code
        case TBarItemKind::Button:
        case TBarItemKind::SubItem:
            break;
    }
    return {};
}

std::string DefaultAction(const TBarItem& item, bool open) {
    if (!KeyboardReaches(item))
        return {};
    switch (item.Kind) {
        case TBarItemKind::SubItem:
            return open ? "Close" : "Open";
        case TBarItemKind::Combo:
            return "Open";
        case TBarItemKind::Button:
        case TBarItemKind::Progress:
            break;
    }
    return "Press";
}

unsigned LinkState(const TBarItem& item, const TItemTracking& tracking, int place) {
    unsigned state = 0;
    if (!item.Enabled)
        state |= accstate::kUnavailable;
    if (KeyboardReaches(item))
        state |= accstate::kFocusable;
    if (place == tracking.Focus || place == tracking.KeyboardHot)
        state |= accstate::kFocused;
    switch (tracking.StateOf(place)) {
        case TItemState::Hot:
            state |= accstate::kHot;
            break;
        case TItemState::Pressed:
            state |= accstate::kHot | accstate::kPressed;
            break;
        case TItemState::Open:
            state |= accstate::kExpanded;
            break;
        case TItemState::Normal:
            break;
    }
    if (item.Kind == TBarItemKind::SubItem)
        state |= accstate::kHasPopup;
    if (item.Kind == TBarItemKind::Combo && item.Combo.ReadOnly)
        state |= accstate::kReadOnly;
    return state;
}

}  // namespace

TAccessibleNode DescribeBar(const TBar& bar, const TRect& bounds) {
    TAccessibleNode node;
    node.Role = bar.IsMainMenu ? TAccessibleRole::MenuBar : TAccessibleRole::ToolBar;
    node.Name = bar.Caption;
    node.Bounds = bounds;
    return node;
}

TAccessibleNode DescribeLink(const TBarItemLink& link,
                             bool menuBar,
                             const TRect& bounds,
                             const TItemTracking& tracking,
                             int place) {
    const TBarItem& item = *link.Item;
    TAccessibleNode node;
    node.Role = LinkRole(item, menuBar);
    node.Name = DisplayedCaption(link.Caption());
    node.Value = LinkValue(item);
    node.Description = ShortHint(item.Hint);
    node.KeyboardShortcut = LinkShortcut(link, menuBar);
    node.DefaultAction = DefaultAction(item, place == tracking.Open);
    node.State = LinkState(item, tracking, place);
    node.Bounds = bounds;
    return node;
}

TAccessibleNode DescribeMenu(const TBarItemLink& link, const TRect& bounds) {
    TAccessibleNode node;
    node.Role = TAccessibleRole::PopupMenu;
    node.Name = DisplayedCaption(link.Caption());
    node.Bounds = bounds;
    return node;
}

TAccessibleNode DescribeMenuEntry(const TMenuEntryFacts& entry, const TRect& bounds, bool selected) {
    TAccessibleNode node;
    node.Bounds = bounds;
    if (entry.Separator) {
        node.Role = TAccessibleRole::Separator;
        return node;
    }
    node.Role = TAccessibleRole::MenuItem;
    node.Name = entry.Chevron ? "Show all commands" : DisplayedCaption(entry.Caption);
    node.KeyboardShortcut = entry.ShortCut;
    node.State = entry.Enabled ? accstate::kFocusable : accstate::kUnavailable;
    if (selected)
        node.State |= accstate::kFocused | accstate::kHot;
    if (entry.Enabled)
        node.DefaultAction = entry.Chevron ? "Expand" : "Execute";
    return node;
}

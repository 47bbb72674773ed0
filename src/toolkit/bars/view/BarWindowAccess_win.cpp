// TBarWindow as assistive programs see it: the bar, its shown links, and the open sub-menu of a link.
#include "toolkit/bars/view/BarWindow_win.h"

#include "toolkit/bars/model/BarAccess.h"
#include "toolkit/bars/model/BarKeyboard.h"
#include "toolkit/win/PaintHelpers_win.h"

namespace {

enum TDepth : std::size_t { kBar = 0, kLink = 1, kMenu = 2, kEntry = 3 };

}  // namespace

TSubMenu* TBarWindow::OpenMenu() const {
    return openMenu_ ? openMenu_->Shown() : nullptr;
}

TRect TBarWindow::ClientBounds(const RECT& screen) const {
    RECT area = screen;
    MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&area), 2);
    return FromRect(area);
}

// Paths: {} the bar, {place} a link, {place, 0} its open sub-menu, {place, 0, entry} an entry of it.
std::optional<TAccessibleNode> TBarWindow::Node(const TAccessiblePath& path) const {
    const TBar* bar = Bar();
    if (!bar || path.size() > kEntry)
        return std::nullopt;
    if (path.size() == kBar) {
        RECT client;
        GetClientRect(Handle(), &client);
        TAccessibleNode node = DescribeBar(*bar, FromRect(client));
        node.ChildCount = PlaceCount();
        return node;
    }
    const int place = path[0];
    const TBarItemLink* link = LinkOf(place);
    if (!link)
        return std::nullopt;
    TSubMenu* menu = place == tracking_.Open ? OpenMenu() : nullptr;
    if (path.size() == kLink) {
        TAccessibleNode node = DescribeLink(*link, bar->IsMainMenu,
                                            placement_.Items[static_cast<std::size_t>(place)].Bounds, tracking_, place);
        node.ChildCount = menu ? 1 : 0;
        return node;
    }
    if (!menu || path[1] != 0)
        return std::nullopt;
    if (path.size() == kMenu) {
        RECT area{};
        for (std::size_t entry = 0; entry < menu->EntryCount(); ++entry) {
            const RECT entryArea = menu->EntryArea(entry);
            UnionRect(&area, &area, &entryArea);
        }
        TAccessibleNode node = DescribeMenu(*link, ClientBounds(area));
        node.ChildCount = static_cast<int>(menu->EntryCount());
        return node;
    }
    const int entry = path[2];
    if (entry < 0 || static_cast<std::size_t>(entry) >= menu->EntryCount())
        return std::nullopt;
    return DescribeMenuEntry(menu->Entry(static_cast<std::size_t>(entry)),
                             ClientBounds(menu->EntryArea(static_cast<std::size_t>(entry))), entry == menu->Selected());
}

// A link runs from the message loop; an entry of the open menu is picked at once, which ends the menu.
bool TBarWindow::DoDefaultAction(const TAccessiblePath& path) {
    if (path.size() == kEntry && path[1] == 0 && path[0] == tracking_.Open && OpenMenu())
        return OpenMenu()->Pick(static_cast<std::size_t>(path[2]));
    if (path.size() != kLink)
        return false;
    const TBarItemLink* link = LinkOf(path[0]);
    if (!link || !KeyboardReaches(*link->Item))
        return false;
    if (path[0] == tracking_.Open)
        return EndMenu() != FALSE;
    return PostMessageA(Handle(), kRunLink, static_cast<WPARAM>(link->Id), 0) != FALSE;
}

std::optional<TAccessiblePath> TBarWindow::Focus() const {
    if (const TSubMenu* menu = OpenMenu(); menu && menu->Selected() >= 0)
        return TAccessiblePath{tracking_.Open, 0, menu->Selected()};
    if (HasFocus() && tracking_.Focus >= 0)
        return TAccessiblePath{tracking_.Focus};
    if (tracking_.KeyboardHot >= 0)
        return TAccessiblePath{tracking_.KeyboardHot};
    if (HasFocus())
        return TAccessiblePath{};
    return std::nullopt;
}

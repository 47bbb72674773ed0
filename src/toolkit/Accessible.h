#ifndef PLUX_TOOLKIT_ACCESSIBLE_H
#define PLUX_TOOLKIT_ACCESSIBLE_H

// What assistive programs (screen readers, magnifiers, voice control) learn of the parts a window draws
// itself. A component describes its parts as a tree of nodes through TAccessibleTree: each node with a
// role, a name and the rest of what the platform's accessibility interface asks for, its place in the
// window and the number of its children. The platform side (toolkit/win/AccessibleObject_win.h) answers
// each question of an assistive program from the tree at that moment, so the answers follow the
// component as it changes. A node is named by its path: the child indices from the root, each from 0;
// the root's path is empty.

#include <optional>
#include <string>
#include <vector>

#include "toolkit/Geometry.h"

enum class TAccessibleRole {
    Client,
    Document,
    MenuBar,
    ToolBar,
    PopupMenu,
    MenuItem,
    Separator,
    PushButton,
    ComboBox,
    StatusBar,
    StaticText,
    Table,
    Row,
    ColumnHeader,
    Cell,
};

// The states of a node, as bits.
namespace accstate {
inline constexpr unsigned kUnavailable = 1u << 0;  // disabled
inline constexpr unsigned kFocusable = 1u << 1;
inline constexpr unsigned kFocused = 1u << 2;
inline constexpr unsigned kHot = 1u << 3;  // under the pointer, or highlighted by the keys
inline constexpr unsigned kPressed = 1u << 4;
inline constexpr unsigned kChecked = 1u << 5;
inline constexpr unsigned kHasPopup = 1u << 6;
inline constexpr unsigned kExpanded = 1u << 7;  // its pop-up is open
inline constexpr unsigned kReadOnly = 1u << 8;
}  // namespace accstate

struct TAccessibleNode {
    TAccessibleRole Role = TAccessibleRole::Client;
    std::string Name;
    std::string Value;
    std::string Description;
    std::string KeyboardShortcut;
    std::string DefaultAction;  // what the node's default action does ("Press"); empty: it has none
    unsigned State = 0;         // access:: bits
    TRect Bounds;               // in the client coordinates of the window the tree belongs to
    int ChildCount = 0;

    bool operator==(const TAccessibleNode&) const = default;
};

using TAccessiblePath = std::vector<int>;

class TAccessibleTree {
public:
    virtual ~TAccessibleTree() = default;
    // The node at `path`; none when there is no such node (any more).
    virtual std::optional<TAccessibleNode> Node(const TAccessiblePath& path) const = 0;
    // Starts what the node's default action says; false when the node has none. The action may run
    // later (a command, a menu), so the caller does not wait for it.
    virtual bool DoDefaultAction(const TAccessiblePath&) { return false; }
    // The node that has the keyboard focus, when the focus is within the tree.
    virtual std::optional<TAccessiblePath> Focus() const { return std::nullopt; }
};

// The deepest node whose bounds hold the point; none when not even the root's do.
std::optional<TAccessiblePath> AccessibleNodeAt(const TAccessibleTree& tree, int x, int y);

#endif

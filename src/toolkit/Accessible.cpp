#include "toolkit/Accessible.h"

// Children may stick out of their parent (a row wider than the view shows), so every child is tried,
// the last first: later children are painted over earlier ones.
std::optional<TAccessiblePath> AccessibleNodeAt(const TAccessibleTree& tree, int x, int y) {
    TAccessiblePath path;
    const std::optional<TAccessibleNode> root = tree.Node(path);
    if (!root || !root->Bounds.Contains(x, y))
        return std::nullopt;
    for (int count = root->ChildCount; count > 0;) {
        int found = -1;
        for (int child = count - 1; child >= 0 && found < 0; --child) {
            path.push_back(child);
            const std::optional<TAccessibleNode> node = tree.Node(path);
            if (node && node->Bounds.Contains(x, y)) {
                found = child;
                count = node->ChildCount;
            } else {
                path.pop_back();
            }
        }
        if (found < 0)
            break;
    }
    return path;
}

#ifndef PLUX_TOOLKIT_WIN_ACCESSIBLEOBJECT_WIN_H
#define PLUX_TOOLKIT_WIN_ACCESSIBLEOBJECT_WIN_H

// The platform's accessibility interface (IAccessible) for a window whose parts a TAccessibleTree
// describes. The window hands WM_GETOBJECT to Answer(), which gives assistive programs the tree's root;
// every object they hold asks the tree anew at each call. A node with children is an object of its own,
// one without is a child element of its parent's object; a root child's element id is its index + 1,
// which is also what Notify takes. When the window goes, the objects still held elsewhere answer that
// they are no longer connected.

#include <windows.h>

#include <memory>

#include "toolkit/Accessible.h"

struct TAccessibleLink;

class TAccessibleServer {
public:
    // The tree outlives the server.
    explicit TAccessibleServer(TAccessibleTree& tree);
    ~TAccessibleServer();
    TAccessibleServer(const TAccessibleServer&) = delete;
    TAccessibleServer& operator=(const TAccessibleServer&) = delete;

    // The answer to WM_GETOBJECT for the client of `window`; false for the other objects, which the
    // default handling answers.
    bool Answer(HWND window, WPARAM wParam, LPARAM lParam, LRESULT& result);

private:
    std::shared_ptr<TAccessibleLink> link_;
};

// Tells assistive programs of a change of `window`'s content (an EVENT_OBJECT_* or EVENT_SYSTEM_*
// constant): of the whole for `child` 0, else of the root's child `child` - 1.
void NotifyAccessibleEvent(HWND window, DWORD event, int child = 0);

#endif

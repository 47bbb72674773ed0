#ifndef PLUX_TOOLKIT_BARS_VIEW_DOCKSITE_WIN_H
#define PLUX_TOOLKIT_BARS_VIEW_DOCKSITE_WIN_H

// The dock of one side of a window: a child window along that edge of the client area that holds the
// windows of the bars docked there, in the lines the row layout gives them (a left or right dock is a
// top one with its axes swapped). The view arranges it in two steps, since the side docks learn their
// length only from the thickness of the top and bottom ones: Arrange lays the bars out for a length
// and tells the thickness needed, MoveTo puts the dock and its bars in place. Its context menu is the
// view's bars menu.

#include <windows.h>

#include <vector>

#include "toolkit/bars/model/DropTarget.h"
#include "toolkit/bars/view/BarView_win.h"
#include "toolkit/bars/view/BarWindow_win.h"
#include "toolkit/win/Window_win.h"

class TDockSite final : public TWindow {
public:
    TDockSite(const TBarViewContext& context, TBarViewOwner& owner, TDockingStyle side)
        : context_(context), owner_(owner), side_(side) {}

    void Create(HWND parent);
    TDockingStyle Side() const { return side_; }
    bool Vertical() const { return side_ == TDockingStyle::Left || side_ == TDockingStyle::Right; }
    // Lays out the windows of the bars docked here for a dock `length` long; returns the thickness.
    int Arrange(const std::vector<TBarWindow*>& bars, int length);
    // Moves the dock to `bounds` within its parent and the bars to their places within the dock.
    void MoveTo(const RECT& bounds);
    // The dock as a drop target, in its parent's client coordinates.
    TDropDock DropDock() const;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    const TBarViewContext& context_;
    TBarViewOwner& owner_;
    TDockingStyle side_;
    std::vector<TBarWindow*> bars_;  // as arranged last
    TDockPlacement placement_;
    RECT bounds_{};
};

#endif

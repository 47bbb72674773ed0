#ifndef PLUX_TOOLKIT_BARS_MODEL_DROPTARGET_H
#define PLUX_TOOLKIT_BARS_MODEL_DROPTARGET_H

// Where a dragged bar lands: the decision from a point to a dock's row, a new row or floating, made on
// the geometry the docks were last placed with. All rectangles and points are in the coordinates of the
// client area that holds the docks.

#include <vector>

#include "toolkit/Geometry.h"
#include "toolkit/bars/model/BarModel.h"
#include "toolkit/bars/model/RowLayout.h"

// A dock as the drop sees it. An empty dock lies along its edge of the client area, with no thickness.
struct TDropDock {
    TDockingStyle Side = TDockingStyle::Top;
    TRect Bounds;
    std::vector<TDockLine> Lines;  // across extents relative to Bounds
};

struct TDraggedBar {
    TBarId Id{};
    bool Alone = false;        // one on its row, or taking the whole row
    int HorizontalLength = 0;  // its size docked at the top or bottom
    int HorizontalThickness = 0;
    int VerticalLength = 0;  // and at the left or right
    int VerticalThickness = 0;
    int GrabAlong = 0;  // how far along the bar the pointer holds it
};

struct TDropTarget {
    bool Floating = true;
    TDockPosition Position;  // when docking
    TRect Feedback;          // where the bar will show, when docking
};

// The first dock (top, bottom, left, right) whose area, widened by `margin` into the client area, holds
// the point takes the bar; elsewhere it floats. Across the dock, the middle of a line joins its row, the
// outer quarters and the margin beyond the lines make a new row there; a row with a bar that stays alone
// takes no other, and a bar that stays alone joins no row with others. Along the dock the bar keeps the
// place where the pointer holds it, within the dock.
TDropTarget FindDropTarget(const std::vector<TDropDock>& docks,
                           const TRect& client,
                           int x,
                           int y,
                           const TDraggedBar& bar,
                           int margin);

#endif

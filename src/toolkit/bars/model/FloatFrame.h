#ifndef PLUX_TOOLKIT_BARS_MODEL_FLOATFRAME_H
#define PLUX_TOOLKIT_BARS_MODEL_FLOATFRAME_H

// The parts of a floating bar's window: a frame around a caption strip, whose right end is the close
// box, and the bar below it. The window is sized by its bar; dragging a side edge sets the bar's width.
// A bar the user may not hide (the main menu bar) floats without a close box.

#include "toolkit/Geometry.h"
#include "toolkit/bars/model/RowLayout.h"

enum class TFloatPart { None, Caption, CloseBox, LeftEdge, RightEdge, Bar };

struct TFloatFrame {
    TRect Window;  // at 0,0
    TRect Caption;
    TRect CloseBox;  // empty without one, at the caption's right end
    TRect Bar;

    TFloatPart PartAt(int x, int y) const;
};

TFloatFrame FloatFrameAround(int barWidth, int barHeight, const TBarMetrics& metrics, bool closeBox = true);
// The width the bar may take when a window `windowWidth` wide holds it.
int FloatBarWidth(int windowWidth, const TBarMetrics& metrics);
// Where a floating window shows so that enough of its caption stays on the screens to take it by: a
// stored place off them (another display, a hand-edited file) is moved in, the bar keeps it stored.
TRect ReachableWindow(const TRect& window, const TRect& screen, const TBarMetrics& metrics);

#endif

#ifndef PLUX_TOOLKIT_BARS_VIEW_FLOATWINDOW_WIN_H
#define PLUX_TOOLKIT_BARS_VIEW_FLOATWINDOW_WIN_H

// A floating bar's own small tool window, owned by the bars' window: a caption with the bar's name and
// a close box above the bar window it holds. Dragging the caption drags the bar, which docks when it is
// dropped on a dock and moves this window otherwise; a double click on the caption docks the bar back;
// the close box hides it (a bar that may not be hidden has none); dragging a side edge resizes it, the
// bar's items wrapping to the new width.
// Its place and size are the bar's float values; the view shows it while the bar floats.

#include <windows.h>

#include "toolkit/bars/model/FloatFrame.h"
#include "toolkit/bars/view/BarView_win.h"
#include "toolkit/bars/view/BarWindow_win.h"
#include "toolkit/win/Window_win.h"

class TFloatWindow final : public TWindow {
public:
    TFloatWindow(const TBarViewContext& context, TBarViewOwner& owner, TBarId bar)
        : context_(context), owner_(owner), barId_(bar) {}

    void Create(HWND owner);
    TBarId Id() const { return barId_; }
    // Takes `barWindow` in, lays it out for the bar's float width, and shows at the bar's float place.
    void Hold(TBarWindow& barWindow);
    void Hide();

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    enum class TTracking { None, CloseBox, LeftEdge, RightEdge };

    // Lays the held bar out within `maxWidth` and fits the window around it; the side that is not being
    // dragged stays where it is.
    void FitTo(int maxWidth, bool keepRightSide);
    void StartTracking(TTracking tracking, LPARAM point);
    void Track(LPARAM point);
    void EndTracking(LPARAM point);

    // The frame around the held bar when it is `barSize` big.
    TFloatFrame FrameAround(SIZE barSize) const;

    const TBarViewContext& context_;
    TBarViewOwner& owner_;
    TBarId barId_;
    TBarWindow* barWindow_ = nullptr;
    TFloatFrame frame_;
    TTracking tracking_ = TTracking::None;
    int trackStartX_ = 0;
    RECT trackStartBounds_{};
    bool closePressed_ = false;
};

#endif

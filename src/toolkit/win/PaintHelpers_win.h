#ifndef PLUX_TOOLKIT_WIN_PAINTHELPERS_WIN_H
#define PLUX_TOOLKIT_WIN_PAINTHELPERS_WIN_H

// What the toolkit's painters (bars, report view, status bar) share: the conversion of our rectangles
// and colours, solid fills, and painting off screen.

#include <windows.h>

#include <optional>

#include "toolkit/Color.h"
#include "toolkit/Geometry.h"
#include "toolkit/win/Handles_win.h"

inline RECT ToRect(const TRect& r) {
    return RECT{r.Left, r.Top, r.Right, r.Bottom};
}

inline TRect FromRect(const RECT& r) {
    return TRect{r.left, r.top, r.right, r.bottom};
}

// The colour a TColor stands for right now: a system colour resolved to its current value.
COLORREF ResolveColor(TColor color);

void FillSolid(HDC dc, const RECT& area, COLORREF color);
void FrameSolid(HDC dc, const RECT& area, COLORREF color);

// A bitmap for an area of a target device context: what is drawn into DC(), at the target's
// coordinates, reaches the target in one copy at CopyToTarget, so a window repaints without flicker.
// False when the bitmap could not be made (out of GDI memory); the caller then paints the target itself.
class TOffScreen {
public:
    TOffScreen(HDC target, const RECT& area);
    TOffScreen(const TOffScreen&) = delete;
    TOffScreen& operator=(const TOffScreen&) = delete;

    explicit operator bool() const { return selection_.has_value(); }
    HDC DC() const { return dc_.Get(); }
    void CopyToTarget() const;

private:
    HDC target_ = nullptr;
    RECT area_{};
    TScopedDC dc_;
    TScopedBitmap bitmap_;
    std::optional<TSelectObject> selection_;
};

// Paints through `paint` into an off-screen copy of `area` of the target, or straight onto the target
// when no copy can be made.
template <typename Paint>
void PaintOffScreen(HDC target, const RECT& area, Paint paint) {
    TOffScreen buffer(target, area);
    if (!buffer) {
        paint(target);
        return;
    }
    paint(buffer.DC());
    buffer.CopyToTarget();
}

#endif

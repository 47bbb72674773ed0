#include "toolkit/win/PaintHelpers_win.h"

#include <algorithm>

COLORREF ResolveColor(TColor color) {
    if ((color & kSystemColor) == kSystemColor)
        return GetSysColor(static_cast<int>(color & 0xFF));
    return static_cast<COLORREF>(color & 0xFFFFFF);
}

void FillSolid(HDC dc, const RECT& area, COLORREF color) {
    TScopedBrush brush(CreateSolidBrush(color));
    FillRect(dc, &area, brush.Get());
}

void FrameSolid(HDC dc, const RECT& area, COLORREF color) {
    TScopedBrush brush(CreateSolidBrush(color));
    FrameRect(dc, &area, brush.Get());
}

// An empty area still gets a bitmap of one pixel, which a bitmap of no size cannot be.
TOffScreen::TOffScreen(HDC target, const RECT& area)
    : target_(target),
      area_(area),
      dc_(CreateCompatibleDC(target)),
      bitmap_(CreateCompatibleBitmap(target,
                                     std::max(1, static_cast<int>(area.right - area.left)),
                                     std::max(1, static_cast<int>(area.bottom - area.top)))) {
    if (!dc_ || !bitmap_)
        return;
    selection_.emplace(dc_.Get(), bitmap_.Get());
    // Drawing goes on at the target's coordinates.
    SetViewportOrgEx(dc_.Get(), -area.left, -area.top, nullptr);
}

void TOffScreen::CopyToTarget() const {
    BitBlt(target_, area_.left, area_.top, area_.right - area_.left, area_.bottom - area_.top, dc_.Get(), area_.left,
           area_.top, SRCCOPY);
}

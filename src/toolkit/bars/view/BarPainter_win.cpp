#include "toolkit/bars/view/BarPainter_win.h"

#include <algorithm>

#include "toolkit/bars/model/BarPalette.h"
#include "toolkit/win/PaintHelpers_win.h"
#include "toolkit/win/SystemLook_win.h"

namespace {

constexpr COLORREF kDefaultBarFill = RGB(0x31, 0x6A, 0xC5);

// The palette of the moment: the look's own, or the system's under high contrast.
TBarPalette Palette() {
    return BarPalette(HighContrast(), SystemColours());
}

COLORREF Mix(COLORREF from, COLORREF to, int step, int steps) {
    auto channel = [&](int shift) {
        const int a = (from >> shift) & 0xFF, b = (to >> shift) & 0xFF;
        return static_cast<COLORREF>(a + (b - a) * step / std::max(steps, 1)) << shift;
    };
    return channel(0) | channel(8) | channel(16);
}

void VerticalGradient(HDC dc, const RECT& area, COLORREF top, COLORREF bottom) {
    const int height = area.bottom - area.top;
    for (int y = 0; y < height; ++y) {
        const RECT line{area.left, area.top + y, area.right, area.top + y + 1};
        FillSolid(dc, line, Mix(top, bottom, y, height - 1));
    }
}

void HorizontalGradient(HDC dc, const RECT& area, COLORREF left, COLORREF right) {
    const int width = area.right - area.left;
    for (int x = 0; x < width; ++x) {
        const RECT line{area.left + x, area.top, area.left + x + 1, area.bottom};
        FillSolid(dc, line, Mix(left, right, x, width - 1));
    }
}

// A line of small dots along the grip, as the look draws its drag handles.
void PaintGrip(HDC dc, const RECT& grip, bool vertical, const TBarPalette& palette) {
    const int length = vertical ? grip.right - grip.left : grip.bottom - grip.top;
    for (int along = 5; along + 2 <= length - 4; along += 4) {
        const RECT dot = vertical ? RECT{grip.left + along, grip.top + 4, grip.left + along + 2, grip.top + 6}
                                  : RECT{grip.left + 4, grip.top + along, grip.left + 6, grip.top + along + 2};
        const RECT light{dot.left + 1, dot.top + 1, dot.right + 1, dot.bottom + 1};
        FillSolid(dc, light, palette.Light);
        FillSolid(dc, dot, palette.Grip);
    }
}

// The close box's cross, two pixels thick, on the pressed colour while it is pressed.
void PaintCloseBox(HDC dc, const RECT& closeBox, bool pressed, const TBarPalette& palette) {
    if (pressed)
        FillSolid(dc, closeBox, palette.Pressed);
    const int size = std::min(closeBox.right - closeBox.left, closeBox.bottom - closeBox.top) / 2 - 4;
    const int cx = (closeBox.left + closeBox.right) / 2, cy = (closeBox.top + closeBox.bottom) / 2;
    for (int step = -size; step <= size; ++step) {
        FillSolid(dc, RECT{cx + step, cy + step, cx + step + 2, cy + step + 1}, palette.FloatText);
        FillSolid(dc, RECT{cx + step, cy - step, cx + step + 2, cy - step + 1}, palette.FloatText);
    }
}

// The border of a highlighted item, as thick as the palette says.
void FrameHighlight(HDC dc, const RECT& area, const TBarPalette& palette) {
    RECT ring = area;
    for (int width = 0; width < palette.HighlightBorderWidth; ++width) {
        FrameSolid(dc, ring, palette.HighlightBorder);
        InflateRect(&ring, -1, -1);
    }
}

}  // namespace

COLORREF ResolveBarColor(std::uint32_t color) {
    return color == kDefaultBarColor ? kDefaultBarFill : ResolveColor(color);
}

void PaintDockBackground(HDC dc, const RECT& area) {
    FillSolid(dc, area, Palette().Dock);
}

void PaintBarBackground(HDC dc, const RECT& bar, bool isMenuBar, const RECT& grip, bool vertical) {
    const TBarPalette palette = Palette();
    FillSolid(dc, bar, palette.Dock);
    if (!isMenuBar) {
        const RECT body{bar.left, bar.top + 1, bar.right - 1, bar.bottom - 1};
        if (vertical)
            HorizontalGradient(dc, body, palette.BarTop, palette.BarBottom);
        else
            VerticalGradient(dc, body, palette.BarTop, palette.BarBottom);
        const RECT bottomEdge{body.left + 2, body.bottom - 1, body.right, body.bottom};
        FillSolid(dc, bottomEdge, palette.BarEdge);
        const RECT rightEdge{body.right - 1, body.top + 2, body.right, body.bottom};
        FillSolid(dc, rightEdge, palette.BarEdge);
    }
    if (grip.right > grip.left)
        PaintGrip(dc, grip, vertical, palette);
}

// A separator runs across the longer side of its area: upright between items in a line, flat between
// the items of a column.
void PaintSeparator(HDC dc, const RECT& area) {
    const TBarPalette palette = Palette();
    if (area.right - area.left > area.bottom - area.top) {
        const int y = (area.top + area.bottom) / 2 - 1;
        FillSolid(dc, RECT{area.left + 3, y, area.right - 3, y + 1}, palette.Separator);
        FillSolid(dc, RECT{area.left + 4, y + 1, area.right - 2, y + 2}, palette.Light);
        return;
    }
    const int x = (area.left + area.right) / 2 - 1;
    FillSolid(dc, RECT{x, area.top + 3, x + 1, area.bottom - 3}, palette.Separator);
    FillSolid(dc, RECT{x + 1, area.top + 4, x + 2, area.bottom - 2}, palette.Light);
}

void PaintItemFrame(HDC dc, const RECT& area, TItemState state) {
    const TBarPalette palette = Palette();
    switch (state) {
        case TItemState::Normal:
            return;
        case TItemState::Hot:
            FillSolid(dc, area, palette.Hot);
            break;
        case TItemState::Pressed:
            FillSolid(dc, area, palette.Pressed);
            break;
        case TItemState::Open:
            FillSolid(dc, area, palette.Open);
            break;
    }
    FrameHighlight(dc, area, palette);
}

void PaintCaption(HDC dc, const RECT& area, const std::string& caption, bool enabled, bool centred) {
    RECT textArea = area;
    SetBkMode(dc, TRANSPARENT);
    const TBarPalette palette = Palette();
    SetTextColor(dc, enabled ? palette.Text : palette.GrayText);
    DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &textArea,
              DT_SINGLELINE | DT_VCENTER | (centred ? DT_CENTER : DT_LEFT));
}

void PaintProgressItem(HDC dc, const RECT& area, const TBarItem& item, const std::string& caption) {
    RECT border = area;
    if (item.Progress.RaisedBorder)
        DrawEdge(dc, &border, BDR_RAISEDINNER, BF_RECT);
    RECT captionArea{area.left + 4, area.top, area.right, area.bottom};
    RECT measured = captionArea;
    DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &measured, DT_SINGLELINE | DT_CALCRECT);
    PaintCaption(dc, captionArea, caption, item.Enabled, false);

    RECT track{measured.right + 4, area.top + 4, area.right - 4, area.bottom - 4};
    if (track.right <= track.left)
        return;
    DrawEdge(dc, &track, BDR_SUNKENOUTER, BF_RECT);
    const RECT inner{track.left + 1, track.top + 1, track.right - 1, track.bottom - 1};
    FillSolid(dc, inner, Palette().TrackFill);
    // Smooth filling: one solid block as long as the position says.
    const RECT filled{inner.left, inner.top, inner.left + item.Progress.FilledLength(inner.right - inner.left),
                      inner.bottom};
    FillSolid(dc, filled, ResolveBarColor(item.Progress.Color));
}

// The glyph column and the rest of an entry's background.
RECT PaintMenuBackground(HDC dc,
                         const RECT& area,
                         const TBarMetrics& metrics,
                         bool recessed,
                         const TBarPalette& palette) {
    FillSolid(dc, area, recessed ? palette.RecessedMenu : palette.Menu);
    const RECT column{area.left, area.top, area.left + metrics.MenuGlyphColumn, area.bottom};
    HorizontalGradient(dc, column, recessed ? palette.RecessedColumnTop : palette.ColumnTop, palette.ColumnBottom);
    return column;
}

void PaintMenuEntry(HDC dc, const RECT& area, const TBarMetrics& metrics, const TMenuEntryLook& look) {
    const TBarPalette palette = Palette();
    const RECT column = PaintMenuBackground(dc, area, metrics, look.Recessed, palette);
    const int textLeft = column.right + metrics.MenuTextGap;
    if (look.Separator) {
        const int y = (area.top + area.bottom) / 2;
        FillSolid(dc, RECT{textLeft, y, area.right, y + 1}, palette.Separator);
        return;
    }
    const bool filled = look.Selected && look.Enabled;
    if (look.Selected) {
        const RECT highlight{area.left + 1, area.top, area.right - 1, area.bottom};
        if (filled)
            FillSolid(dc, highlight, palette.MenuSelected);
        FrameSolid(dc, highlight, palette.HighlightBorder);
    }
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, !look.Enabled ? palette.GrayText : filled ? palette.MenuSelectedText : palette.MenuText);
    const UINT format = DT_SINGLELINE | DT_VCENTER | (look.HideAccessKey ? DT_HIDEPREFIX : 0);
    RECT captionArea{textLeft, area.top, area.right, area.bottom};
    DrawTextA(dc, look.Caption.c_str(), static_cast<int>(look.Caption.size()), &captionArea, format);
    RECT shortCutArea{textLeft, area.top, area.right - 2 * metrics.MenuTextGap, area.bottom};
    DrawTextA(dc, look.ShortCut.c_str(), static_cast<int>(look.ShortCut.size()), &shortCutArea,
              DT_SINGLELINE | DT_VCENTER | DT_RIGHT | DT_NOPREFIX);
}

void PaintMenuChevron(HDC dc, const RECT& area, const TBarMetrics& metrics, bool selected) {
    const TBarPalette palette = Palette();
    PaintMenuBackground(dc, area, metrics, false, palette);
    if (selected) {
        const RECT highlight{area.left + 1, area.top, area.right - 1, area.bottom};
        FillSolid(dc, highlight, palette.MenuSelected);
        FrameSolid(dc, highlight, palette.HighlightBorder);
    }
    const int x = (area.left + area.right) / 2;
    const int y = (area.top + area.bottom) / 2 - 3;
    for (int arrow = 0; arrow < 2; ++arrow)
        for (int row = 0; row < 3; ++row) {
            const int top = y + 4 * arrow + row;
            FillSolid(dc, RECT{x - 3 + row, top, x + 4 - row, top + 1}, palette.Grip);
        }
}

void PaintSelectedLink(HDC dc, const RECT& area) {
    FrameSolid(dc, area, RGB(0, 0, 0));
    const RECT inner{area.left + 1, area.top + 1, area.right - 1, area.bottom - 1};
    FrameSolid(dc, inner, RGB(0, 0, 0));
}

// The band, with short crossbars at its ends.
void PaintDropMark(HDC dc, const RECT& band) {
    FillSolid(dc, band, RGB(0, 0, 0));
    const bool upright = band.bottom - band.top > band.right - band.left;
    if (upright) {
        FillSolid(dc, RECT{band.left - 2, band.top, band.right + 2, band.top + 2}, RGB(0, 0, 0));
        FillSolid(dc, RECT{band.left - 2, band.bottom - 2, band.right + 2, band.bottom}, RGB(0, 0, 0));
    } else {
        FillSolid(dc, RECT{band.left, band.top - 2, band.left + 2, band.bottom + 2}, RGB(0, 0, 0));
        FillSolid(dc, RECT{band.right - 2, band.top - 2, band.right, band.bottom + 2}, RGB(0, 0, 0));
    }
}

void PaintFloatFrame(HDC dc, const RECT& window, const RECT& closeBox, const std::string& caption, bool closePressed) {
    const TBarPalette palette = Palette();
    FillSolid(dc, window, palette.FloatFrame);
    if (!IsRectEmpty(&closeBox))
        PaintCloseBox(dc, closeBox, closePressed, palette);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, palette.FloatText);
    RECT text{window.left + 4, closeBox.top, closeBox.left - 2, closeBox.bottom};
    DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
              DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX | DT_END_ELLIPSIS);
}

void PaintDropFeedback(HDC dc, const RECT& area) {
    FillSolid(dc, area, Palette().Grip);
}

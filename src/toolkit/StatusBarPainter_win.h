#ifndef PLUX_TOOLKIT_STATUSBARPAINTER_WIN_H
#define PLUX_TOOLKIT_STATUSBARPAINTER_WIN_H

#include <windows.h>

#include <uxtheme.h>

#include <optional>

#include "toolkit/StatusBar.h"
#include "toolkit/win/Handles_win.h"

// What a status colour stands for right now.
COLORREF ResolveStatusColor(TColor color);

// Draws a panel into its rectangle: the background (the panel's colour, or the theme's pane when a
// theme is given), then the content's text in the text rectangle, in the font's colour when enabled,
// engraved when not.
void PaintStatusPanel(HDC dc,
                      const RECT& rect,
                      const TStatusPanel& panel,
                      const TPanelContent& content,
                      HFONT font,
                      HTHEME theme);

// A bitmap for an area of a target device context: what is drawn into DC(), at the target's
// coordinates, reaches the target in one copy at CopyToTarget. False when the bitmap could not be made.
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

#endif

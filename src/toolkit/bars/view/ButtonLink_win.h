#ifndef PLUX_TOOLKIT_BARS_VIEW_BUTTONLINK_WIN_H
#define PLUX_TOOLKIT_BARS_VIEW_BUTTONLINK_WIN_H

// Command buttons on bars: their glyphs, usual or large as the manager's options say, the bar metrics
// that go with them, and the painting of a button's glyph and caption by its link's paint style.

#include <windows.h>

#include "toolkit/bars/view/BarView_win.h"

// The glyphs of buttons on bars: the large ones when the manager shows large icons and has them.
const TGlyphList& BarGlyphs(const TBarViewContext& context);
// The view's metrics with buttons sized for BarGlyphs().
TBarMetrics BarMetricsFor(const TBarViewContext& context);
// A button or sub-menu link on a bar: its glyph, its caption, or both (LookOnBar).
void PaintButtonLink(HDC dc, const RECT& area, const TBarItemLink& link, bool menuBar, const TBarViewContext& context);

#endif

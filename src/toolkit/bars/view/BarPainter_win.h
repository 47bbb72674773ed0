#ifndef PLUX_TOOLKIT_BARS_VIEW_BARPAINTER_WIN_H
#define PLUX_TOOLKIT_BARS_VIEW_BARPAINTER_WIN_H

// The look of docks, bars and their items. Everything is drawn here; windows only say
// what and where.

#include <windows.h>

#include <string>

#include "toolkit/bars/model/BarModel.h"
#include "toolkit/bars/model/ItemState.h"
#include "toolkit/bars/model/RowLayout.h"

void PaintDockBackground(HDC dc, const RECT& area);
// A bar's shaded body (a menu bar is flat) with its grip, when `grip` is not empty.
void PaintBarBackground(HDC dc, const RECT& bar, bool isMenuBar, const RECT& grip, bool vertical);
void PaintSeparator(HDC dc, const RECT& area);
// The highlight behind a hot, pressed or open item; nothing for a normal one.
void PaintItemFrame(HDC dc, const RECT& area, TItemState state);
// A caption with its access key underlined, centred in `area` or starting at its left edge.
void PaintCaption(HDC dc, const RECT& area, const std::string& caption, bool enabled, bool centred);
// A progress item: raised border, caption, then the bar filled as far as its position says.
void PaintProgressItem(HDC dc, const RECT& area, const TBarItem& item, const std::string& caption);
struct TMenuEntryLook {
    std::string Caption;
    std::string ShortCut;
    bool Separator = false;
    bool Enabled = true;
    bool Selected = false;
    bool Recessed = false;  // an entry a personalised menu shows only once expanded
    bool HideAccessKey = false;
};

// A drop-down menu entry: the shaded glyph column, then caption and right-aligned shortcut; the glyph
// is the caller's.
void PaintMenuEntry(HDC dc, const RECT& area, const TBarMetrics& metrics, const TMenuEntryLook& look);
// The chevron entry that expands a personalised menu: two arrows pointing down.
void PaintMenuChevron(HDC dc, const RECT& area, const TBarMetrics& metrics, bool selected);
// While customising: the frame of the selected link, and the mark of the place where a drop would go.
void PaintSelectedLink(HDC dc, const RECT& area);
void PaintDropMark(HDC dc, const RECT& band);
// A floating bar's window around its bar: the frame, the caption with the bar's name, and the close box
// when it has one (an empty `closeBox`: none).
void PaintFloatFrame(HDC dc, const RECT& window, const RECT& closeBox, const std::string& caption, bool closePressed);
// The outline that shows where a dragged bar will land (the window that shows it is shaped as a frame).
void PaintDropFeedback(HDC dc, const RECT& area);
// What a bar colour stands for right now: the style's default, a system colour, or itself.
COLORREF ResolveBarColor(std::uint32_t color);

#endif

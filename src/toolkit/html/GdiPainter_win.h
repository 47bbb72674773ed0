#ifndef PLUX_TOOLKIT_HTML_GDIPAINTER_WIN_H
#define PLUX_TOOLKIT_HTML_GDIPAINTER_WIN_H

#include <windows.h>

#include <vector>

#include "toolkit/SystemColours.h"
#include "toolkit/html/DrawList.h"
#include "toolkit/win/FontCache_win.h"

namespace html {

struct TPaintOptions {
    int OffsetX = 0;  // added to document coordinates to get the DC's logical coordinates
    int OffsetY = 0;
    int BandTop = 0;  // the document band to paint, [BandTop, BandBottom)
    int BandBottom = 0;
    bool Backgrounds = true;       // table, row and cell fills
    bool MonochromeBlack = false;  // all text that is not white in black
    int SelectionFirst = -1;       // text orders shown selected, inclusive; -1: none
    int SelectionLast = -1;
    // Under high contrast: the system's colours, and the cells that stand out in its highlight colours
    // (one flag per cell of the layout); null: the document's own colours.
    const TSystemColours* HighContrast = nullptr;
    const std::vector<bool>* Marked = nullptr;
};

// Runs the ops reaching into the band on any DC, screen or printer, in its current mapping.
void PaintDrawList(HDC dc, const TDrawList& list, TFontCache& fonts, const TPaintOptions& options);

// COLORREF has red in the low byte, as TColour does.
inline COLORREF ToColorRef(TColour colour) {
    return static_cast<COLORREF>(colour & 0xFFFFFF);
}

}  // namespace html

#endif

#ifndef PLUX_TOOLKIT_BARS_BARVIEW_WIN_H
#define PLUX_TOOLKIT_BARS_BARVIEW_WIN_H

#include <windows.h>

#include "toolkit/TextMeasure.h"
#include "toolkit/bars/BarModel.h"
#include "toolkit/bars/GlyphList_win.h"
#include "toolkit/bars/RowLayout.h"

// The owner of the bars: it runs the commands of the items its user clicks or picks from a menu.
class TBarHost {
public:
    virtual ~TBarHost() = default;
    virtual void ExecuteBarCommand(int commandId) = 0;
    // The dock changed its height; the owner lays out the rest of its window.
    virtual void DockHeightChanged() = 0;
};

class TCustomizeSession;

// What every window of one bar manager's view shares; the owner keeps it alive longer than the view.
struct TBarViewContext {
    TBarManager* Manager = nullptr;
    TBarHost* Host = nullptr;
    const TGlyphList* Glyphs = nullptr;       // menus, and bars without large icons
    const TGlyphList* LargeGlyphs = nullptr;  // bars with large icons; none: the usual ones
    const TTextMeasure* Measure = nullptr;
    TFontSpec Font;                            // the bars' font, as the text measure sees it
    HFONT FontHandle = nullptr;                // the same font for painting
    TBarMetrics Metrics;                       // scaled to the screen
    TCustomizeSession* Customizing = nullptr;  // while the customisation dialog is open
};

#endif

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
    // The docks changed; the owner places them again (TBarViews::PlaceDocks) and lays out the rest.
    virtual void DocksChanged() = 0;
};

// What the windows of single bars ask of the view that holds them all.
class TBarViewOwner {
public:
    virtual ~TBarViewOwner() = default;
    // Runs a drag of the bar while the left button stays down; `grab` is where the pointer holds the bar,
    // relative to the window that started the drag.
    virtual void DragBar(TBarId bar, HWND from, POINT grab) = 0;
    virtual void ShowBarsMenu(POINT screenPoint) = 0;
};

class TCustomizeSession;

// What every window of one bar manager's view shares; the owner keeps it alive longer than the view.
struct TBarViewContext {
    TBarManager* Manager = nullptr;
    TBarHost* Host = nullptr;
    TBarViewOwner* Owner = nullptr;
    const TGlyphList* Glyphs = nullptr;       // menus, and bars without large icons
    const TGlyphList* LargeGlyphs = nullptr;  // bars with large icons; none: the usual ones
    const TTextMeasure* Measure = nullptr;
    TFontSpec Font;                            // the bars' font, as the text measure sees it
    HFONT FontHandle = nullptr;                // the same font for painting
    TBarMetrics Metrics;                       // scaled to the screen
    TCustomizeSession* Customizing = nullptr;  // while the customisation dialog is open
};

#endif

#ifndef PLUX_TOOLKIT_BARS_VIEW_BARVIEW_WIN_H
#define PLUX_TOOLKIT_BARS_VIEW_BARVIEW_WIN_H

// What the windows of one bar manager's view share, and the interfaces between the view, its host and
// whatever takes the bars' input for a while (the customisation).

#include <windows.h>

#include "toolkit/TextMeasure.h"
#include "toolkit/bars/model/BarModel.h"
#include "toolkit/bars/model/RowLayout.h"
#include "toolkit/bars/view/GlyphList_win.h"

class TBarWindow;

// The owner of the bars: it runs the commands of the items its user clicks or picks from a menu.
class TBarHost {
public:
    virtual ~TBarHost() = default;
    virtual void ExecuteBarCommand(int commandId) = 0;
    // The docks changed; the owner places them again (TBarViews::PlaceDocks) and lays out the rest.
    virtual void DocksChanged() = 0;
    // The keyboard leaves the bars (Escape, or F6 past the last bar): the owner's content takes the focus.
    virtual void FocusContent() = 0;
    // The pointer is over a floating bar: true when the owner set the cursor itself, as it does over its
    // own window while it works.
    virtual bool SetWaitCursor() const = 0;
};

// Takes the input of the bar windows for a while: each bar window hands it its mouse messages first
// and lets it paint over its items.
class TBarInputHook {
public:
    virtual ~TBarInputHook() = default;
    // True when the hook took the message; `result` is then the answer.
    virtual bool HandleBarMessage(TBarWindow& bar, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) = 0;
    virtual void PaintMarks(HDC dc, const TBarWindow& bar) const = 0;
};

// What the windows of single bars ask of the view that holds them all.
class TBarViewOwner {
public:
    virtual ~TBarViewOwner() = default;
    // Runs a drag of the bar while the left button stays down; `grab` is where the pointer holds the bar,
    // relative to the window that started the drag.
    virtual void DragBar(TBarId bar, HWND from, POINT grab) = 0;
    virtual void ShowBarsMenu(POINT screenPoint) = 0;
    // The hook that takes the bars' input now; null when they handle it themselves.
    virtual TBarInputHook* InputHook() const = 0;
    // The window the bars belong to, wherever they are: their tool tips are its own.
    virtual HWND HostWindow() const = 0;
};

// The services every window of one view uses; set up by the host before the view is made, and kept
// unchanged as long as the view lives. The bars change only through the manager's operations.
struct TBarViewContext {
    TBarManager* Manager = nullptr;
    TBarHost* Host = nullptr;
    const TGlyphList* Glyphs = nullptr;       // menus, and bars without large icons
    const TGlyphList* LargeGlyphs = nullptr;  // bars with large icons; none: the usual ones
    const TTextMeasure* Measure = nullptr;
    TFontSpec Font;              // the bars' font, as the text measure sees it
    HFONT FontHandle = nullptr;  // the same font for painting
    TBarMetrics Metrics;         // scaled to the screen
};

#endif

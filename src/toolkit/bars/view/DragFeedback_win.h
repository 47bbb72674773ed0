#ifndef PLUX_TOOLKIT_BARS_VIEW_DRAGFEEDBACK_WIN_H
#define PLUX_TOOLKIT_BARS_VIEW_DRAGFEEDBACK_WIN_H

// The outline that shows where a dragged bar will land: a top-most window shaped as a frame, so that
// what lies under it stays visible and takes no clicks. Made at the first ShowAt, hidden with Hide.

#include <windows.h>

#include "toolkit/win/Window_win.h"

class TDragFeedback final : public TWindow {
public:
    void ShowAt(const RECT& screenArea);
    void Hide();

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    SIZE shaped_{};  // the size the frame's region was made for
};

#endif

#ifndef PLUX_TOOLKIT_WIN_PANEL_WIN_H
#define PLUX_TOOLKIT_WIN_PANEL_WIN_H

#include <windows.h>

#include "toolkit/win/Window_win.h"

// A plain container in its parent's colour with a one-pixel raised bevel; its client child fills the
// inside of the bevel.
class TPanel final : public TWindow {
public:
    static constexpr int kBevelWidth = 1;

    void Create(HWND parent, COLORREF color);
    // The area within the bevel, in the panel's client coordinates.
    RECT Inside() const;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    COLORREF color_ = RGB(0xFF, 0xFF, 0xFF);
};

#endif

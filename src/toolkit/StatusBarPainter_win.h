#ifndef PLUX_TOOLKIT_STATUSBARPAINTER_WIN_H
#define PLUX_TOOLKIT_STATUSBARPAINTER_WIN_H

#include <windows.h>

#include <uxtheme.h>

#include "toolkit/StatusBar.h"
#include "toolkit/win/PaintHelpers_win.h"

// Draws a panel into its rectangle: the background (the panel's colour, or the theme's pane when a
// theme is given), then the content's text in the text rectangle, in the font's colour when enabled,
// engraved when not.
void PaintStatusPanel(HDC dc,
                      const RECT& rect,
                      const TStatusPanel& panel,
                      const TPanelContent& content,
                      HFONT font,
                      HTHEME theme);

#endif

#ifndef PLUX_APP_MAINSTATUSBAR_H
#define PLUX_APP_MAINSTATUSBAR_H

#include <string_view>

#include "app/DesignScale.h"
#include "toolkit/StatusBar.h"

// The panel that shows the program's version text from start-up to the end.
inline constexpr std::string_view kVersionPanel = "pnlVersion";

// Gives an empty bar the main window's font and its five panels, the pixel widths scaled to the screen.
void BuildMainStatusBar(TStatusBar& bar, const TFontSpec& windowFont, const TDesignScale& scale = {});
// The version panel; raises Exception when the bar has none.
TStatusPanel& VersionPanel(TStatusBar& bar);

#endif

#ifndef PLUX_APP_MAINSTATUSBAR_H
#define PLUX_APP_MAINSTATUSBAR_H

#include <string_view>

#include "app/DesignScale.h"
#include "toolkit/StatusBar.h"

// The panel that shows the program's version text from start-up to the end.
inline constexpr std::string_view kVersionPanel = "pnlVersion";
// The first panel, where long work shows how far it has come.
inline constexpr std::string_view kProgressPanel = "Panel0";

// Gives an empty bar the main window's font and its five panels, the pixel widths scaled to the screen.
void BuildMainStatusBar(TStatusBar& bar, const TFontSpec& windowFont, const TDesignScale& scale = {});
// The panel of the name; raises Exception when the bar has none.
TStatusPanel& NamedPanel(TStatusBar& bar, std::string_view name);
inline TStatusPanel& VersionPanel(TStatusBar& bar) {
    return NamedPanel(bar, kVersionPanel);
}

#endif

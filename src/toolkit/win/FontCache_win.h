#ifndef PLUX_TOOLKIT_WIN_FONTCACHE_WIN_H
#define PLUX_TOOLKIT_WIN_FONTCACHE_WIN_H

#include <windows.h>

#include <utility>
#include <vector>

#include "toolkit/TextMeasure.h"
#include "toolkit/win/Handles_win.h"

// The GDI fonts of a few font specs, created on first use and deleted with the cache. Heights are in
// the logical units of whatever device context the font is selected into.
class TFontCache {
public:
    HFONT Get(const TFontSpec& spec);

private:
    std::vector<std::pair<TFontSpec, TScopedFont>> fonts_;
};

#endif

#ifndef PLUX_TOOLKIT_BARS_GLYPHLIST_WIN_H
#define PLUX_TOOLKIT_BARS_GLYPHLIST_WIN_H

#include <windows.h>

#include <initializer_list>

#include "toolkit/win/Handles_win.h"

// The image list of the bars: 16 x 16 glyphs with an alpha channel, loaded from bitmap resources in
// index order and drawn blended onto any background, greyed for disabled items.
class TGlyphList {
public:
    static constexpr int kSize = 16;

    explicit TGlyphList(std::initializer_list<int> bitmapResourceIds);
    int Count() const { return count_; }
    void Draw(HDC dc, int index, int x, int y, bool enabled) const;

private:
    int count_ = 0;
    TScopedDC dc_;
    TScopedBitmap normal_;
    TScopedBitmap disabled_;
};

#endif

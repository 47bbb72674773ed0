#ifndef PLUX_TOOLKIT_BARS_VIEW_GLYPHLIST_WIN_H
#define PLUX_TOOLKIT_BARS_VIEW_GLYPHLIST_WIN_H

#include <windows.h>

#include <initializer_list>

#include "toolkit/win/Handles_win.h"

// An image list of the bars: square glyphs of one size with an alpha channel, loaded from bitmap
// resources in index order and drawn blended onto any background, greyed for disabled items.
class TGlyphList {
public:
    static constexpr int kUsualSize = 16;
    static constexpr int kLargeSize = 32;

    TGlyphList(int size, std::initializer_list<int> bitmapResourceIds);
    int Size() const { return size_; }
    int Count() const { return count_; }
    void Draw(HDC dc, int index, int x, int y, bool enabled) const;
    // Draws the glyph in the middle of `area`.
    void DrawCentred(HDC dc, int index, const RECT& area, bool enabled) const;

private:
    int size_ = kUsualSize;
    int count_ = 0;
    TScopedDC dc_;
    TScopedBitmap normal_;
    TScopedBitmap disabled_;
};

#endif

#ifndef PLUX_TOOLKIT_GEOMETRY_H
#define PLUX_TOOLKIT_GEOMETRY_H

// A rectangle in whole units, right and bottom exclusive: the bars and the HTML engine both lay out
// into it, and the Win32 side converts it to and from RECT.
struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool Contains(int x, int y) const { return x >= Left && x < Right && y >= Top && y < Bottom; }
    bool operator==(const TRect&) const = default;
};

#endif

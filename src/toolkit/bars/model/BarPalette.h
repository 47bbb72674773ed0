#ifndef PLUX_TOOLKIT_BARS_MODEL_BARPALETTE_H
#define PLUX_TOOLKIT_BARS_MODEL_BARPALETTE_H

// The colours the bars, their items and their drop-down menus paint in (each 0xBBGGRR). The look has a
// palette of its own; under high contrast every colour is one of the system's, and the item under the
// pointer or the keys shows by a thick frame in the highlight colour rather than by a fill, so that its
// caption keeps the button-text colour.

#include <cstdint>

#include "toolkit/SystemColours.h"

struct TBarPalette {
    std::uint32_t Dock = 0;
    std::uint32_t BarTop = 0;  // a toolbar's body shades from top to bottom (left to right when upright)
    std::uint32_t BarBottom = 0;
    std::uint32_t BarEdge = 0;
    std::uint32_t Grip = 0;
    std::uint32_t Light = 0;  // the lit side of grip dots and separators
    std::uint32_t Separator = 0;
    std::uint32_t Hot = 0;  // behind an item under the pointer or the keys
    std::uint32_t Pressed = 0;
    std::uint32_t Open = 0;
    std::uint32_t HighlightBorder = 0;
    int HighlightBorderWidth = 1;
    std::uint32_t Text = 0;
    std::uint32_t GrayText = 0;
    std::uint32_t Menu = 0;
    std::uint32_t RecessedMenu = 0;
    std::uint32_t ColumnTop = 0;  // the glyph column of a menu shades from left to right
    std::uint32_t RecessedColumnTop = 0;
    std::uint32_t ColumnBottom = 0;
    std::uint32_t MenuText = 0;
    std::uint32_t MenuSelected = 0;  // behind the selected entry of a menu
    std::uint32_t MenuSelectedText = 0;
    std::uint32_t TrackFill = 0;  // the empty part of a progress item
    std::uint32_t FloatFrame = 0;
    std::uint32_t FloatText = 0;

    bool operator==(const TBarPalette&) const = default;
};

TBarPalette BarPalette(bool highContrast, const TSystemColours& system);

#endif

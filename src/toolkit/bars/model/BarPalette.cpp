#include "toolkit/bars/model/BarPalette.h"

namespace {

constexpr std::uint32_t Rgb(std::uint32_t red, std::uint32_t green, std::uint32_t blue) {
    return red | (green << 8) | (blue << 16);
}

}  // namespace

// The look's own: a light blue-grey dock, bars shaded from white to it, and the warm highlight with a
// dark blue border that marks the item under the pointer.
TBarPalette BarPalette(bool highContrast, const TSystemColours& system) {
    TBarPalette palette;
    if (highContrast) {
        palette.Dock = palette.BarTop = palette.BarBottom = system.ButtonFace;
        palette.BarEdge = palette.Separator = system.ButtonShadow;
        palette.Grip = system.ButtonText;
        palette.Light = system.ButtonFace;
        palette.Hot = palette.Pressed = palette.Open = system.ButtonFace;
        palette.HighlightBorder = system.Highlight;
        palette.HighlightBorderWidth = 2;
        palette.Menu = palette.RecessedMenu = system.Window;
        palette.ColumnTop = palette.RecessedColumnTop = palette.ColumnBottom = system.Window;
        palette.MenuText = system.WindowText;
        palette.MenuSelected = system.Highlight;
        palette.MenuSelectedText = system.HighlightText;
        palette.FloatFrame = system.Highlight;
        palette.FloatText = system.HighlightText;
    } else {
        palette.Dock = Rgb(0xDD, 0xE4, 0xEE);
        palette.BarTop = palette.ColumnTop = Rgb(0xFC, 0xFD, 0xFE);
        palette.BarBottom = palette.ColumnBottom = Rgb(0xC4, 0xD3, 0xE8);
        palette.BarEdge = Rgb(0x9D, 0xB1, 0xCF);
        palette.Grip = Rgb(0x27, 0x41, 0x76);
        palette.Light = Rgb(0xFF, 0xFF, 0xFF);
        palette.Separator = Rgb(0x6A, 0x8C, 0xCB);
        palette.Hot = palette.MenuSelected = Rgb(0xFF, 0xEE, 0xC2);
        palette.Pressed = Rgb(0xFE, 0x80, 0x3E);
        palette.Open = Rgb(0xE3, 0xEF, 0xFF);
        palette.HighlightBorder = Rgb(0x00, 0x00, 0x80);
        palette.Menu = Rgb(0xFC, 0xFC, 0xF9);
        palette.RecessedMenu = Rgb(0xEE, 0xEE, 0xE9);
        palette.RecessedColumnTop = Rgb(0xE1, 0xE8, 0xF2);
        palette.MenuText = palette.MenuSelectedText = system.MenuText;
        palette.FloatFrame = Rgb(0x3B, 0x5A, 0x82);
        palette.FloatText = Rgb(0xFF, 0xFF, 0xFF);
    }
    palette.Text = system.ButtonText;
    palette.GrayText = system.GrayText;
    palette.TrackFill = system.Window;
    return palette;
}

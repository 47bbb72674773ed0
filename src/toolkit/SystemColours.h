#ifndef PLUX_TOOLKIT_SYSTEMCOLOURS_H
#define PLUX_TOOLKIT_SYSTEMCOLOURS_H

// The system's colours of the elements of a window, as the platform reports them at the moment (each
// 0xBBGGRR). Under high contrast the toolkit's painters take theirs from these instead of their own
// palette, so that the user's chosen scheme shows everywhere.

#include <cstdint>

struct TSystemColours {
    std::uint32_t Window = 0xFFFFFF;
    std::uint32_t WindowText = 0x000000;
    std::uint32_t Highlight = 0x800000;
    std::uint32_t HighlightText = 0xFFFFFF;
    std::uint32_t ButtonFace = 0xC0C0C0;
    std::uint32_t ButtonText = 0x000000;
    std::uint32_t ButtonShadow = 0x808080;
    std::uint32_t GrayText = 0x808080;
    std::uint32_t MenuText = 0x000000;

    bool operator==(const TSystemColours&) const = default;
};

#endif

#ifndef PLUX_CHECK_BANDCOLOURS_H
#define PLUX_CHECK_BANDCOLOURS_H

#include <cstdint>
#include <string>
#include <string_view>

// The band colour codes of the window's design.
inline constexpr std::string_view kDesignColor1Code = "#dcFED6";
inline constexpr std::string_view kDesignColor2Code = "#ffffc8";

// A colour value: red in bits 0 to 7, green in 8 to 15, blue in 16 to 23.
using TColorValue = std::uint32_t;

// "#RRGGBB" with upper-case digits; bits 24 to 31 are ignored.
std::string ColorToCode(TColorValue color);

// Accepts any text: the parts that are not hexadecimal digits count as 0.
TColorValue CodeToColor(std::string_view code);

#endif

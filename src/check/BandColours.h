#ifndef PLUX_CHECK_BANDCOLOURS_H
#define PLUX_CHECK_BANDCOLOURS_H

#include <string_view>

// The band colour codes of the window's design.
inline constexpr std::string_view kDesignColor1Code = "#dcFED6";
inline constexpr std::string_view kDesignColor2Code = "#ffffc8";

#endif

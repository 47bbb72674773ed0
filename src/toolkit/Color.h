#ifndef PLUX_TOOLKIT_COLOR_H
#define PLUX_TOOLKIT_COLOR_H

#include <cstdint>

// A colour of the toolkit's components: 0xBBGGRR, or kSystemColor plus the index of a system colour,
// which stands for whatever the system paints that element in at the time.
using TColor = std::uint32_t;
inline constexpr TColor kSystemColor = 0xFF000000u;

#endif

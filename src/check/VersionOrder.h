#ifndef PLUX_CHECK_VERSIONORDER_H
#define PLUX_CHECK_VERSIONORDER_H

#include <string_view>

enum class TVersionOrder { Lower, Equal, Higher, NotComparable };

// Where version a stands against version b. The versions are compared part by part between the
// periods; inside a part, runs of digits compare by their number ("4.10" is above "4.9") and other runs
// as text in character order, ASCII letters without regard to case. When every shared part agrees, the
// version with more parts or runs is the higher. Blanks around a version do not count. An empty version,
// or a number standing where the other has text (":[?]" against "4.2", "4.x" against "4.2"), cannot be
// ordered.
TVersionOrder CompareVersions(std::string_view a, std::string_view b);

#endif

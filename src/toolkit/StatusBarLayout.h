#ifndef PLUX_TOOLKIT_STATUSBARLAYOUT_H
#define PLUX_TOOLKIT_STATUSBARLAYOUT_H

// Where a status bar's panels lie: their widths from the width texts, the right edges the native
// control receives, and the rectangles a panel's text and the size grip take.

#include <optional>
#include <string_view>
#include <vector>

#include "toolkit/Geometry.h"

// A panel's width text: whole pixels ("50") or a share of what the pixel panels leave ("50%").
struct TPanelWidth {
    int Value = 0;
    bool Percent = false;
};

// None when the text is neither a whole number nor one followed by "%".
std::optional<TPanelWidth> ParsePanelWidth(std::string_view text);

// Pixel panels take what they ask for in order while the bar has room; then every percentage panel
// takes its share of the same remainder. A percentage panel gets 0 when nothing remains.
std::vector<int> ComputePanelWidths(const std::vector<TPanelWidth>& widths, int barWidth);

inline constexpr int kMaxStatusParts = 128;
inline constexpr int kPartToEnd = -1;

// The right edges of the native parts: the running sum of the computed widths, never beyond the bar,
// for at most kMaxStatusParts parts, the last of which reaches to the end (kPartToEnd). A bar without
// panels gets one part over its whole width.
std::vector<int> PartEdges(const std::vector<int>& computedWidths, int barWidth);

// The panel under `x`, or none, from the edges PartEdges gave for a bar `barWidth` wide.
std::optional<int> PartAt(const std::vector<int>& edges, int barWidth, int x);

// A panel's text goes 2 pixels inside its rectangle on the left and right, and `indent` further in
// on the left.
TRect PanelTextRect(const TRect& panel, int indent);

// The size grip keeps the last panel's painting off this many pixels at the right end.
int GripAllowance(int verticalScrollBarWidth);

#endif

#include "toolkit/StatusBarLayout.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <limits>

namespace {

constexpr int kTextInset = 2;
constexpr int kMaxGripAllowance = 23;

}  // namespace

std::optional<TPanelWidth> ParsePanelWidth(std::string_view text) {
    TPanelWidth width;
    if (!text.empty() && text.back() == '%') {
        width.Percent = true;
        text.remove_suffix(1);
    }
    // from_chars takes a leading minus; a width has none.
    if (text.empty() || text.front() == '-')
        return std::nullopt;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), width.Value);
    if (error != std::errc{} || end != text.data() + text.size())
        return std::nullopt;
    return width;
}

std::vector<int> ComputePanelWidths(const std::vector<TPanelWidth>& widths, int barWidth) {
    std::vector<int> computed(widths.size(), 0);
    int used = 0;
    for (std::size_t i = 0; i < widths.size(); ++i) {
        if (widths[i].Percent)
            continue;
        computed[i] = std::min(barWidth - used, widths[i].Value);
        used += computed[i];
    }
    const int remainder = barWidth - used;
    if (remainder <= 0)
        return computed;
    for (std::size_t i = 0; i < widths.size(); ++i) {
        if (!widths[i].Percent)
            continue;
        // 64 bits: a share above 100% must not overflow; the edges keep it within the bar.
        const std::int64_t share = std::int64_t{widths[i].Value} * remainder / 100;
        computed[i] = static_cast<int>(std::min<std::int64_t>(share, std::numeric_limits<int>::max()));
    }
    return computed;
}

std::vector<int> PartEdges(const std::vector<int>& computedWidths, int barWidth) {
    const std::size_t parts = std::min<std::size_t>(computedWidths.size(), kMaxStatusParts);
    if (parts == 0)
        return {kPartToEnd};
    std::vector<int> edges;
    edges.reserve(parts);
    std::int64_t sum = 0;
    for (std::size_t i = 0; i + 1 < parts; ++i) {
        sum += computedWidths[i];
        edges.push_back(static_cast<int>(std::min<std::int64_t>(sum, barWidth)));
    }
    edges.push_back(kPartToEnd);
    return edges;
}

std::optional<int> PartAt(const std::vector<int>& edges, int barWidth, int x) {
    if (x < 0 || x >= barWidth)
        return std::nullopt;
    for (std::size_t i = 0; i < edges.size(); ++i) {
        if (edges[i] == kPartToEnd || x < edges[i])
            return static_cast<int>(i);
    }
    return std::nullopt;
}

TRect PanelTextRect(const TRect& panel, int indent) {
    return TRect{panel.Left + kTextInset + indent, panel.Top, panel.Right - kTextInset, panel.Bottom};
}

int GripAllowance(int verticalScrollBarWidth) {
    return std::min(kMaxGripAllowance, verticalScrollBarWidth + 1);
}

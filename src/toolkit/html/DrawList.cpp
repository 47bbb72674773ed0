#include "toolkit/html/DrawList.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace html {

int TDrawList::AddFont(const TFontSpec& font) {
    const auto found = std::find(fonts_.begin(), fonts_.end(), font);
    if (found != fonts_.end())
        return static_cast<int>(found - fonts_.begin());
    fonts_.push_back(font);
    return static_cast<int>(fonts_.size()) - 1;
}

void TDrawList::Add(TDrawOp op) {
    if (op.Kind == EDrawKind::Text)
        op.TextOrder = textCount_++;
    op.Cell = cell_;
    maxHeight_ = std::max(maxHeight_, op.Rect.Height());
    ops_.push_back(std::move(op));
}

void TDrawList::Finish() {
    std::stable_sort(ops_.begin(), ops_.end(),
                     [](const TDrawOp& a, const TDrawOp& b) { return a.Rect.Top < b.Rect.Top; });
}

// No op is taller than maxHeight_, so nothing that starts above top - maxHeight_ can reach the band.
std::pair<std::size_t, std::size_t> TDrawList::Visible(int top, int bottom) const {
    const auto byTop = [](const TDrawOp& op, int y) { return op.Rect.Top < y; };
    const long long firstTop = static_cast<long long>(top) - maxHeight_;
    const auto first =
        std::lower_bound(ops_.begin(), ops_.end(), static_cast<int>(std::max<long long>(firstTop, INT_MIN)), byTop);
    const auto last = std::lower_bound(first, ops_.end(), bottom, byTop);
    return {static_cast<std::size_t>(first - ops_.begin()), static_cast<std::size_t>(last - ops_.begin())};
}

int TDrawList::TextOrderAt(int x, int y) const {
    const auto [first, last] = Visible(y, y + 1);
    int best = -1;
    long long bestDistance = LLONG_MAX;
    const auto consider = [&](const TDrawOp& op) {
        const long long dy = y < op.Rect.Top ? op.Rect.Top - y : (y >= op.Rect.Bottom ? y - op.Rect.Bottom + 1 : 0);
        const long long dx = x < op.Rect.Left ? op.Rect.Left - x : (x >= op.Rect.Right ? x - op.Rect.Right + 1 : 0);
        const long long distance = dy * 100000 + dx;  // the line counts before the column
        if (distance < bestDistance) {
            bestDistance = distance;
            best = op.TextOrder;
        }
    };
    for (std::size_t i = first; i < last; ++i) {
        if (ops_[i].Kind == EDrawKind::Text)
            consider(ops_[i]);
    }
    if (best >= 0)
        return best;
    // Off every line: the nearest text anywhere.
    for (const TDrawOp& op : ops_) {
        if (op.Kind == EDrawKind::Text)
            consider(op);
    }
    return best;
}

}  // namespace html

#include "toolkit/html/ColumnPages.h"

#include <algorithm>

namespace html {
namespace {

const TTableColumns* WidestTable(const TLayout& layout) {
    const TTableColumns* widest = nullptr;
    for (const TTableColumns& table : layout.Tables) {
        if (!widest || table.Right - table.Left > widest->Right - widest->Left)
            widest = &table;
    }
    return widest;
}

TFontSpec NumberFont(const THtmlStyle& style) {
    TFontSpec font;
    font.Name = style.FontName;
    font.Height = style.FontHeight;
    return font;
}

}  // namespace

// A cut runs at a column's left edge, so the spacing after a column stays with it.
std::optional<TStrip> FirstColumnStrip(const TLayout& layout) {
    const TTableColumns* table = WidestTable(layout);
    if (!table || table->ColumnLefts.size() < 2)
        return std::nullopt;
    return TStrip{0, table->ColumnLefts[1], 0};
}

std::vector<std::vector<TStrip>> ColumnGroups(const TLayout& layout, int pageWidth) {
    const std::optional<TStrip> kept = FirstColumnStrip(layout);
    if (layout.Width <= pageWidth || !kept)
        return {{TStrip{0, layout.Width, 0}}};
    const TTableColumns* table = WidestTable(layout);
    const std::vector<int>& lefts = table->ColumnLefts;
    const std::size_t columns = lefts.size();
    const int rightEdge = std::max(table->Right, layout.Width);
    const TStrip head = *kept;
    std::vector<std::vector<TStrip>> groups;
    for (std::size_t first = 1; first < columns;) {
        std::size_t end = first + 1;  // one past the group's last column
        const auto rightOf = [&](std::size_t e) { return e < columns ? lefts[e] : rightEdge; };
        while (end < columns && head.Right + rightOf(end + 1) - lefts[first] <= pageWidth)
            ++end;
        groups.push_back({head, TStrip{lefts[first], rightOf(end), head.Right}});
        first = end;
    }
    return groups;
}

int PageNumberHeight(const TTextMeasure& measure, const THtmlStyle& style) {
    return 2 * measure.Metrics(NumberFont(style)).Height;
}

std::vector<TPrintedPage> PaginateColumns(const TLayout& layout,
                                          int pageWidth,
                                          int pageHeight,
                                          int numberHeight,
                                          int maxPages) {
    std::vector<TPrintedPage> pages;
    const std::vector<TPageSlice> slices =
        SlicePages(layout.Breaks, layout.Height, pageHeight - numberHeight, maxPages);
    for (const std::vector<TStrip>& strips : ColumnGroups(layout, pageWidth)) {
        for (const TPageSlice& slice : slices) {
            if (static_cast<int>(pages.size()) >= maxPages)
                return pages;
            pages.push_back({slice, strips, static_cast<int>(pages.size()) + 1});
        }
    }
    return pages;
}

TDrawList PageNumberDraw(int number,
                         const TTextMeasure& measure,
                         const THtmlStyle& style,
                         int pageWidth,
                         int pageHeight) {
    const TFontSpec font = NumberFont(style);
    const TFontMetrics metrics = measure.Metrics(font);
    TDrawOp op;
    op.Kind = EDrawKind::Text;
    op.Text = "Page " + std::to_string(number);
    op.Colour = style.TextColour;
    const int width = measure.TextWidth(font, op.Text);
    const int left = std::max(0, (pageWidth - width) / 2);
    op.Rect = {left, pageHeight - metrics.Height, left + width, pageHeight};
    op.Baseline = op.Rect.Top + metrics.Ascent;
    TDrawList list;
    op.Font = list.AddFont(font);
    list.Add(std::move(op));
    list.Finish();
    return list;
}

}  // namespace html

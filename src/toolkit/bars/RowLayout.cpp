#include "toolkit/bars/RowLayout.h"

#include <algorithm>
#include <map>

#include "toolkit/bars/LinkLook.h"

namespace {

int Scale(int value, int numerator, int denominator) {
    return (value * numerator + denominator / 2) / denominator;
}

// The width of a link's item, without separator.
int ItemWidth(const TBarItemLink& link,
              const TBarMetrics& metrics,
              const TTextMeasure& measure,
              const TFontSpec& font) {
    const TBarItem& item = *link.Item;
    switch (item.Kind) {
        case TBarItemKind::Combo:
            return measure.TextWidth(font, item.Caption) + metrics.ComboCaptionGap + item.Combo.BoxWidth;
        case TBarItemKind::Progress:
            return item.Progress.Width;
        case TBarItemKind::SubItem:
            return measure.TextWidth(font, DisplayedCaption(link.Caption())) + 2 * metrics.MenuItemPadding;
        case TBarItemKind::Button:
            break;
    }
    return ButtonLinkWidth(link, metrics, measure, font);
}

}  // namespace

TBarMetrics TBarMetrics::Scaled(int numerator, int denominator) const {
    TBarMetrics scaled;
    for (auto member : {&TBarMetrics::Border, &TBarMetrics::GripWidth, &TBarMetrics::ButtonWidth,
                        &TBarMetrics::ButtonHeight, &TBarMetrics::SeparatorWidth, &TBarMetrics::ComboCaptionGap,
                        &TBarMetrics::MenuItemPadding, &TBarMetrics::MenuBarHeight, &TBarMetrics::MenuGlyphColumn,
                        &TBarMetrics::MenuEntryHeight, &TBarMetrics::MenuSeparatorHeight, &TBarMetrics::MenuTextGap})
        scaled.*member = Scale(this->*member, numerator, denominator);
    return scaled;
}

const TItemPlace* TBarPlacement::ItemAt(int x, int y) const {
    for (const TItemPlace& place : Items)
        if (place.Bounds.Contains(x, y))
            return &place;
    return nullptr;
}

TBarPlacement PlaceBarItems(const TBar& bar,
                            const TBarMetrics& metrics,
                            const TTextMeasure& measure,
                            const TFontSpec& font) {
    TBarPlacement placement;
    const int itemHeight = bar.IsMainMenu ? metrics.MenuBarHeight - 2 * metrics.Border : metrics.ButtonHeight;
    const int top = metrics.Border;
    int x = metrics.Border + metrics.GripWidth;
    for (std::size_t i = 0; i < bar.Links.size(); ++i) {
        const TBarItemLink& link = bar.Links[i];
        if (!link.Shown())
            continue;
        TItemPlace place;
        place.LinkIndex = i;
        place.SeparatorBefore = !bar.IsMainMenu && ShowsSeparatorBefore(bar.Links, i);
        if (place.SeparatorBefore) {
            place.Separator = {x, top, x + metrics.SeparatorWidth, top + itemHeight};
            x += metrics.SeparatorWidth;
        }
        const int width = ItemWidth(link, metrics, measure, font);
        place.Bounds = {x, top, x + width, top + itemHeight};
        if (link.Item->Kind == TBarItemKind::Combo)
            place.ComboBox = {place.Bounds.Right - link.Item->Combo.BoxWidth, top, place.Bounds.Right,
                              top + itemHeight};
        placement.Items.push_back(place);
        x += width;
    }
    placement.Width = x + metrics.Border;
    placement.Height = itemHeight + 2 * metrics.Border;
    return placement;
}

TDockPlacement PlaceDockRows(const std::vector<TDockedBar>& bars, int dockWidth) {
    TDockPlacement placement;
    placement.Bounds.resize(bars.size());
    std::map<int, std::vector<std::size_t>> rows;
    for (std::size_t i = 0; i < bars.size(); ++i)
        rows[bars[i].Bar->Row].push_back(i);

    int top = 0;
    for (auto& [row, members] : rows) {
        std::stable_sort(members.begin(), members.end(), [&](std::size_t a, std::size_t b) {
            return bars[a].Bar->DockedLeft < bars[b].Bar->DockedLeft;
        });
        int rowHeight = 0;
        int x = 0;
        for (std::size_t index : members) {
            const TDockedBar& docked = bars[index];
            const int left = std::max(docked.Bar->DockedLeft, x);
            const int width = docked.Bar->WholeRow ? dockWidth - left : docked.Width;
            placement.Bounds[index] = {left, top, left + width, top + docked.Height};
            x = left + width;
            rowHeight = std::max(rowHeight, docked.Height);
        }
        top += rowHeight;
    }
    placement.Height = top;
    return placement;
}

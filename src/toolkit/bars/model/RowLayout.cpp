#include "toolkit/bars/model/RowLayout.h"

#include <algorithm>
#include <map>

namespace {

int Scale(int value, int numerator, int denominator) {
    return (value * numerator + denominator / 2) / denominator;
}

// A rectangle given along and across a bar's or dock's axis.
TRect Oriented(bool vertical, int along, int across, int length, int thickness) {
    return vertical ? TRect{across, along, across + thickness, along + length}
                    : TRect{along, across, along + length, across + thickness};
}

// An item's size as a horizontal bar shows it: width, then height.
std::pair<int, int> ItemSize(const TBarItemLink& link,
                             bool menuBar,
                             const TBarMetrics& metrics,
                             const TTextMeasure& measure,
                             const TFontSpec& font) {
    const TBarItem& item = *link.Item;
    const int height = menuBar ? metrics.MenuBarHeight - 2 * metrics.Border : metrics.ButtonHeight;
    switch (item.Kind) {
        case TBarItemKind::Combo:
            return {measure.TextWidth(font, item.Caption) + metrics.ComboCaptionGap + std::max(link.Width(), 0),
                    height};
        case TBarItemKind::Progress:
            return {std::max(link.Width(), 0), height};
        case TBarItemKind::SubItem:
        case TBarItemKind::Button:
            break;
    }
    const TItemLook look = LookOnBar(link, menuBar);
    if (!look.Caption)
        return {metrics.ButtonWidth, height};
    const int text = measure.TextWidth(font, DisplayedCaption(link.Caption())) + 2 * metrics.MenuItemPadding;
    return {look.Glyph ? metrics.ButtonWidth + text - metrics.MenuItemPadding : text, height};
}

}  // namespace

TBarMetrics TBarMetrics::Scaled(int numerator, int denominator) const {
    TBarMetrics scaled;
    for (auto member : {&TBarMetrics::Border, &TBarMetrics::GripWidth, &TBarMetrics::ButtonWidth,
                        &TBarMetrics::ButtonHeight, &TBarMetrics::SeparatorWidth, &TBarMetrics::ComboCaptionGap,
                        &TBarMetrics::MenuItemPadding, &TBarMetrics::MenuBarHeight, &TBarMetrics::MenuGlyphColumn,
                        &TBarMetrics::MenuEntryHeight, &TBarMetrics::MenuSeparatorHeight, &TBarMetrics::MenuTextGap,
                        &TBarMetrics::FloatBorder, &TBarMetrics::FloatCaptionHeight, &TBarMetrics::DropMargin})
        scaled.*member = Scale(this->*member, numerator, denominator);
    return scaled;
}

TItemLook LookOnBar(const TBarItemLink& link, bool menuBar) {
    const TBarItem& item = *link.Item;
    if (menuBar || item.Kind == TBarItemKind::SubItem || item.GlyphIndex < 0)
        return {false, true};
    switch (link.PaintStyle()) {
        case TPaintStyle::Caption:
            return {false, true};
        case TPaintStyle::CaptionGlyph:
            return {true, true};
        case TPaintStyle::Standard:
        case TPaintStyle::CaptionInMenu:
            break;
    }
    return {true, false};
}

const TItemPlace* TBarPlacement::ItemAt(int x, int y) const {
    for (const TItemPlace& place : Items)
        if (place.Bounds.Contains(x, y))
            return &place;
    return nullptr;
}

TBarPlacement PlaceBarItems(const TBar& bar,
                            const TBarFrame& frame,
                            const TBarMetrics& metrics,
                            const TTextMeasure& measure,
                            const TFontSpec& font) {
    TBarPlacement placement;
    const int first = metrics.Border + (frame.Grip ? metrics.GripWidth : 0);
    int along = first;
    int across = metrics.Border;
    int lineThickness = 0;
    int longest = first;
    bool lineEmpty = true;
    for (std::size_t i = 0; i < bar.Links.size(); ++i) {
        const TBarItemLink& link = bar.Links[i];
        if (!link.Shown())
            continue;
        const auto [width, height] = ItemSize(link, bar.IsMainMenu, metrics, measure, font);
        const int length = frame.Vertical ? height : width;
        const int thickness = frame.Vertical ? width : height;
        const bool separator = !bar.IsMainMenu && ShowsSeparatorBefore(bar.Links, i);
        const int separatorLength = separator ? metrics.SeparatorWidth : 0;
        if (frame.MaxLength > 0 && !lineEmpty && along + separatorLength + length + metrics.Border > frame.MaxLength) {
            across += lineThickness;
            along = first;
            lineThickness = 0;
            lineEmpty = true;
        }
        TItemPlace place;
        place.LinkIndex = i;
        place.Link = link.Id;
        place.SeparatorBefore = separator && !lineEmpty;
        if (place.SeparatorBefore) {
            place.Separator = Oriented(frame.Vertical, along, across, metrics.SeparatorWidth, thickness);
            along += metrics.SeparatorWidth;
        }
        place.Bounds = Oriented(frame.Vertical, along, across, length, thickness);
        if (link.Item->Kind == TBarItemKind::Combo)
            place.ComboBox = {place.Bounds.Right - std::max(link.Width(), 0), place.Bounds.Top, place.Bounds.Right,
                              place.Bounds.Top + height};
        placement.Items.push_back(place);
        along += length;
        longest = std::max(longest, along);
        lineThickness = std::max(lineThickness, thickness);
        lineEmpty = false;
    }
    if (lineThickness == 0)  // an empty bar keeps the thickness of one with buttons
        lineThickness = frame.Vertical ? metrics.ButtonWidth : metrics.ButtonHeight;
    const int totalLength = longest + metrics.Border;
    const int totalThickness = across + lineThickness + metrics.Border;
    placement.Width = frame.Vertical ? totalThickness : totalLength;
    placement.Height = frame.Vertical ? totalLength : totalThickness;
    if (frame.Grip)
        placement.Grip = Oriented(frame.Vertical, 0, 0, metrics.Border + metrics.GripWidth, totalThickness);
    return placement;
}

TDockPlacement PlaceDock(const std::vector<TDockedBar>& bars, int dockLength, bool vertical) {
    TDockPlacement placement;
    placement.Bounds.resize(bars.size());
    std::map<int, std::vector<std::size_t>> rows;
    for (std::size_t i = 0; i < bars.size(); ++i)
        rows[bars[i].Row].push_back(i);

    int across = 0;
    TDockLine line;
    int along = 0;
    auto closeLine = [&] {
        if (line.Bars.empty())
            return;
        across = line.End;
        placement.Lines.push_back(line);
        line = TDockLine{line.Row, across, across, false, {}};
        along = 0;
    };
    for (auto& [row, members] : rows) {
        std::stable_sort(members.begin(), members.end(),
                         [&](std::size_t a, std::size_t b) { return bars[a].Position < bars[b].Position; });
        closeLine();
        line.Row = row;
        for (std::size_t index : members) {
            const TDockedBar& bar = bars[index];
            if (bar.Alone || line.Alone)
                closeLine();
            int left = std::max(bar.Position, along);
            if (left + bar.Length > dockLength)
                left = std::max(along, dockLength - bar.Length);
            if (left + bar.Length > dockLength && !line.Bars.empty()) {
                closeLine();
                left = std::clamp(bar.Position, 0, std::max(0, dockLength - bar.Length));
            }
            const int length = bar.WholeRow ? std::max(bar.Length, dockLength - left) : bar.Length;
            placement.Bounds[index] = Oriented(vertical, left, line.Start, length, bar.Thickness);
            along = left + length;
            line.End = std::max(line.End, line.Start + bar.Thickness);
            line.Alone = line.Alone || bar.Alone;
            line.Bars.push_back(bar.Bar);
        }
    }
    closeLine();
    placement.Thickness = across;
    return placement;
}

#include "toolkit/bars/LinkLook.h"

#include <algorithm>

TLinkContent ButtonContent(TPaintStyle style, bool inMenu, bool hasGlyph) {
    if (inMenu) {
        const bool glyph = style == TPaintStyle::Standard || style == TPaintStyle::CaptionGlyph;
        return {glyph && hasGlyph, true};
    }
    switch (style) {
        case TPaintStyle::Caption:
            return {false, true};
        case TPaintStyle::CaptionGlyph:
            return {hasGlyph, true};
        case TPaintStyle::Standard:
        case TPaintStyle::CaptionInMenu:
            break;
    }
    return {hasGlyph, !hasGlyph};
}

int ButtonLinkWidth(const TBarItemLink& link,
                    const TBarMetrics& metrics,
                    const TTextMeasure& measure,
                    const TFontSpec& font) {
    const TLinkContent content = ButtonContent(link.PaintStyle(), false, link.Item->GlyphIndex >= 0);
    if (!content.Caption)
        return metrics.ButtonWidth;
    const int caption = measure.TextWidth(font, DisplayedCaption(link.Caption()));
    if (!content.Glyph)
        return std::max(metrics.ButtonWidth, caption + 2 * metrics.MenuItemPadding);
    return metrics.ButtonWidth + caption + metrics.MenuItemPadding;
}

TBarMetrics ForGlyphSize(TBarMetrics metrics, int usualGlyphSize, int glyphSize) {
    metrics.ButtonWidth += glyphSize - usualGlyphSize;
    metrics.ButtonHeight += glyphSize - usualGlyphSize;
    return metrics;
}

#include "toolkit/bars/model/LinkLook.h"

TItemLook LookInMenu(const TBarItemLink& link) {
    const TPaintStyle style = link.PaintStyle();
    const bool glyph = style == TPaintStyle::Standard || style == TPaintStyle::CaptionGlyph;
    return {glyph && link.Item->GlyphIndex >= 0, true};
}

TBarMetrics ForGlyphSize(TBarMetrics metrics, int usualGlyphSize, int glyphSize) {
    metrics.ButtonWidth += glyphSize - usualGlyphSize;
    metrics.ButtonHeight += glyphSize - usualGlyphSize;
    return metrics;
}

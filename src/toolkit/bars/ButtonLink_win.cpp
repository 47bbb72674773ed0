#include "toolkit/bars/ButtonLink_win.h"

#include "toolkit/bars/BarPainter_win.h"
#include "toolkit/bars/LinkLook.h"

const TGlyphList& BarGlyphs(const TBarViewContext& context) {
    if (context.LargeGlyphs && context.Manager->Options().LargeIcons)
        return *context.LargeGlyphs;
    return *context.Glyphs;
}

TBarMetrics BarMetricsFor(const TBarViewContext& context) {
    return ForGlyphSize(context.Metrics, context.Glyphs->Size(), BarGlyphs(context).Size());
}

// With glyph and caption, the glyph keeps the square of a glyph-only button at the left.
void PaintButtonLink(HDC dc, const RECT& area, const TBarItemLink& link, const TBarViewContext& context) {
    const TBarItem& item = *link.Item;
    const TLinkContent content = ButtonContent(link.PaintStyle(), false, item.GlyphIndex >= 0);
    RECT captionArea = area;
    if (content.Glyph) {
        RECT glyphArea = area;
        if (content.Caption) {
            glyphArea.right = glyphArea.left + BarMetricsFor(context).ButtonWidth;
            captionArea.left = glyphArea.right;
        }
        BarGlyphs(context).DrawCentred(dc, item.GlyphIndex, glyphArea, item.Enabled);
    }
    if (content.Caption)
        PaintCaption(dc, captionArea, link.Caption(), item.Enabled, !content.Glyph);
}

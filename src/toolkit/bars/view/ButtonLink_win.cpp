#include "toolkit/bars/view/ButtonLink_win.h"

#include "toolkit/bars/model/LinkLook.h"
#include "toolkit/bars/view/BarPainter_win.h"

const TGlyphList& BarGlyphs(const TBarViewContext& context) {
    if (context.LargeGlyphs && context.Manager->Options().LargeIcons)
        return *context.LargeGlyphs;
    return *context.Glyphs;
}

TBarMetrics BarMetricsFor(const TBarViewContext& context) {
    return ForGlyphSize(context.Metrics, context.Glyphs->Size(), BarGlyphs(context).Size());
}

// With glyph and caption, the glyph keeps the square of a glyph-only button at the left.
void PaintButtonLink(HDC dc, const RECT& area, const TBarItemLink& link, bool menuBar, const TBarViewContext& context) {
    const TBarItem& item = *link.Item;
    const TItemLook look = LookOnBar(link, menuBar);
    RECT captionArea = area;
    if (look.Glyph) {
        RECT glyphArea = area;
        if (look.Caption) {
            glyphArea.right = glyphArea.left + BarMetricsFor(context).ButtonWidth;
            captionArea.left = glyphArea.right;
        }
        BarGlyphs(context).DrawCentred(dc, item.GlyphIndex, glyphArea, item.Enabled);
    }
    if (look.Caption)
        PaintCaption(dc, captionArea, link.Caption(), item.Enabled, !look.Glyph);
}

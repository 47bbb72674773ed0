#ifndef PLUX_TOOLKIT_BARS_LINKLOOK_H
#define PLUX_TOOLKIT_BARS_LINKLOOK_H

// What a command button shows by the paint style of its link, and how wide that makes it on a bar.
//
//   style             on a bar                      in a menu
//   psStandard        glyph (caption without one)   glyph and caption
//   psCaption         caption                       caption
//   psCaptionInMenu   glyph (caption without one)   caption
//   psCaptionGlyph    glyph and caption             glyph and caption

#include "toolkit/TextMeasure.h"
#include "toolkit/bars/BarModel.h"
#include "toolkit/bars/RowLayout.h"

struct TLinkContent {
    bool Glyph = false;
    bool Caption = false;

    bool operator==(const TLinkContent&) const = default;
};

TLinkContent ButtonContent(TPaintStyle style, bool inMenu, bool hasGlyph);

// The width of a button link on a bar: the glyph's button, the caption with padding on both sides (no
// narrower than the glyph's button), or both side by side.
int ButtonLinkWidth(const TBarItemLink& link,
                    const TBarMetrics& metrics,
                    const TTextMeasure& measure,
                    const TFontSpec& font);

// The metrics of bars whose buttons hold glyphs `glyphSize` pixels square instead of the usual ones.
TBarMetrics ForGlyphSize(TBarMetrics metrics, int usualGlyphSize, int glyphSize);

#endif

#ifndef PLUX_TOOLKIT_BARS_MODEL_LINKLOOK_H
#define PLUX_TOOLKIT_BARS_MODEL_LINKLOOK_H

// What a command shows by the paint style of its link in a drop-down menu (LookOnBar says it for bars),
// and the bar metrics that go with large glyphs.
//
//   style             on a bar                      in a menu
//   psStandard        glyph (caption without one)   glyph and caption
//   psCaption         caption                       caption
//   psCaptionInMenu   glyph (caption without one)   caption
//   psCaptionGlyph    glyph and caption             glyph and caption

#include "toolkit/bars/model/BarModel.h"
#include "toolkit/bars/model/RowLayout.h"

TItemLook LookInMenu(const TBarItemLink& link);

// The metrics of bars whose buttons hold glyphs `glyphSize` pixels square instead of the usual ones.
TBarMetrics ForGlyphSize(TBarMetrics metrics, int usualGlyphSize, int glyphSize);

#endif

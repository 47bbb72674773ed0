#include "toolkit/bars/model/LinkLook.h"

#include <gtest/gtest.h>

namespace {

TEST(LinkLook, APaintStyleDecidesWhetherAMenuEntryShowsTheGlyph) {
    struct {
        const char* Name;
        TPaintStyle Style;
        bool HasGlyph;
        bool Glyph;
    } const rows[] = {
        {"standard", TPaintStyle::Standard, true, true},
        {"standard without glyph", TPaintStyle::Standard, false, false},
        {"caption", TPaintStyle::Caption, true, false},
        {"caption in menu", TPaintStyle::CaptionInMenu, true, false},
        {"caption and glyph", TPaintStyle::CaptionGlyph, true, true},
        {"caption and glyph, no glyph", TPaintStyle::CaptionGlyph, false, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        TBarItem item;
        item.Caption = "&Print";
        item.GlyphIndex = row.HasGlyph ? 2 : -1;
        TBarItemLink link;
        link.Item = &item;
        link.UserDefine = kUserDefinePaintStyle;
        link.UserPaintStyle = row.Style;
        const TItemLook look = LookInMenu(link);
        EXPECT_EQ(look.Glyph, row.Glyph);
        EXPECT_TRUE(look.Caption) << "a menu entry always shows its caption";
    }
}

TEST(LinkLook, LargeGlyphsMakeTheButtonsLargerByTheirDifference) {
    const TBarMetrics large = ForGlyphSize(TBarMetrics{}, 16, 32);
    EXPECT_EQ(large.ButtonWidth, 39);
    EXPECT_EQ(large.ButtonHeight, 38);
    EXPECT_EQ(large.MenuEntryHeight, TBarMetrics{}.MenuEntryHeight) << "menus keep their glyphs";
}

}  // namespace

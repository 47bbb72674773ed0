#include "toolkit/bars/LinkLook.h"

#include <gtest/gtest.h>

#include "support/FixedTextMeasure.h"

namespace {

// A bar of one button with the caption "&Print" (5 characters shown, 6 pixels each) and, as asked, a
// glyph; its link carries the paint style and caption of the row.
TEST(LinkLook, APaintStyleDecidesWhatAButtonShowsAndHowWideItIsOnABar) {
    struct {
        const char* Name;
        TPaintStyle Style;
        bool HasGlyph;
        const char* UserCaption;  // nullptr: the item's
        TLinkContent OnBar;
        TLinkContent InMenu;
        int Width;
    } const rows[] = {
        {"standard", TPaintStyle::Standard, true, nullptr, {true, false}, {true, true}, 23},
        {"standard without glyph", TPaintStyle::Standard, false, nullptr, {false, true}, {false, true}, 30 + 14},
        {"caption", TPaintStyle::Caption, true, nullptr, {false, true}, {false, true}, 30 + 14},
        {"caption in menu", TPaintStyle::CaptionInMenu, true, nullptr, {true, false}, {false, true}, 23},
        {"caption and glyph", TPaintStyle::CaptionGlyph, true, nullptr, {true, true}, {true, true}, 23 + 30 + 7},
        {"caption and glyph, no glyph",
         TPaintStyle::CaptionGlyph,
         false,
         nullptr,
         {false, true},
         {false, true},
         30 + 14},
        {"the link's own caption", TPaintStyle::Caption, true, "&Drucken", {false, true}, {false, true}, 42 + 14},
        {"a short caption: no narrower than a glyph",
         TPaintStyle::Caption,
         true,
         "&X",
         {false, true},
         {false, true},
         23},
    };
    const TFixedTextMeasure measure;
    const TBarMetrics metrics;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        TBarItem item;
        item.Caption = "&Print";
        item.GlyphIndex = row.HasGlyph ? 2 : -1;
        TBarItemLink link;
        link.Item = &item;
        link.UserDefine = kUserDefinePaintStyle;
        link.UserPaintStyle = row.Style;
        if (row.UserCaption) {
            link.UserDefine |= kUserDefineCaption;
            link.UserCaption = row.UserCaption;
        }
        EXPECT_EQ(ButtonContent(link.PaintStyle(), false, row.HasGlyph), row.OnBar);
        EXPECT_EQ(ButtonContent(link.PaintStyle(), true, row.HasGlyph), row.InMenu);
        EXPECT_EQ(ButtonLinkWidth(link, metrics, measure, TFontSpec{}), row.Width);
    }
}

TEST(LinkLook, LargeGlyphsMakeTheButtonsLargerByTheirDifference) {
    const TBarMetrics large = ForGlyphSize(TBarMetrics{}, 16, 32);
    EXPECT_EQ(large.ButtonWidth, 39);
    EXPECT_EQ(large.ButtonHeight, 38);
    EXPECT_EQ(large.MenuEntryHeight, TBarMetrics{}.MenuEntryHeight) << "menus keep their glyphs";
}

}  // namespace

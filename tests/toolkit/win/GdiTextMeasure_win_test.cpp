#include "toolkit/win/GdiTextMeasure_win.h"

#include <gtest/gtest.h>

namespace {

// The layout measures words one by one and draws neighbouring words as one string, so widths must
// add up; bold must not be narrower.
TEST(GdiTextMeasure, MeasuresArialAsTheLayoutNeedsIt) {
    const TScopedDC dc(CreateCompatibleDC(nullptr));
    ASSERT_TRUE(dc);
    const TGdiTextMeasure measure(dc.Get());
    TFontSpec font;
    font.Name = "Arial";
    font.Height = -11;
    TFontSpec bold = font;
    bold.Bold = true;

    const int grid = measure.TextWidth(font, "Grid");
    EXPECT_GT(grid, 10);
    EXPECT_EQ(measure.TextWidth(font, "Grid 4"), grid + measure.TextWidth(font, " ") + measure.TextWidth(font, "4"));
    EXPECT_GE(measure.TextWidth(bold, "Grid"), grid);
    EXPECT_EQ(measure.TextWidth(font, ""), 0);

    const TFontMetrics metrics = measure.Metrics(font);
    EXPECT_GE(metrics.Height, 11);
    EXPECT_GT(metrics.Ascent, 0);
    EXPECT_LT(metrics.Ascent, metrics.Height);
    EXPECT_EQ(measure.Metrics(font).Height, metrics.Height);
}

}  // namespace

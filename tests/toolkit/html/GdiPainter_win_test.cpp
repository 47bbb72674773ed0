#include "toolkit/html/GdiPainter_win.h"

#include <gtest/gtest.h>

#include "support/TempDir.h"
#include "toolkit/html/TableLayout.h"
#include "toolkit/win/GdiTextMeasure_win.h"
#include "toolkit/win/Handles_win.h"

namespace html {
namespace {

// Paints into a 32-bit bitmap and reads pixels back.
class GdiPainterTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dc && bitmap);
        const RECT all{0, 0, kWidth, kHeight};
        FillRect(dc.Get(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    }
    TLayout Layout(std::string_view source) {
        const TGdiTextMeasure measure(dc.Get());
        return LayoutDocument(ParseDocument(source), measure, THtmlStyle{}, kWidth);
    }
    void Paint(const TLayout& layout, TPaintOptions options) {
        options.BandBottom = options.BandTop + kHeight;
        PaintDrawList(dc.Get(), layout.Draw, fonts, options);
    }
    COLORREF Pixel(int x, int y) const { return GetPixel(dc.Get(), x, y); }
    // Counts the pixels of `colour` inside a rectangle.
    int Count(const TRect& rect, COLORREF colour) const {
        int count = 0;
        for (int y = rect.Top; y < rect.Bottom; ++y) {
            for (int x = rect.Left; x < rect.Right; ++x)
                count += Pixel(x, y) == colour;
        }
        return count;
    }
    static const TDrawOp& Find(const TLayout& layout, EDrawKind kind, std::string_view text = {}) {
        for (const TDrawOp& op : layout.Draw.Ops()) {
            if (op.Kind == kind && (text.empty() || op.Text == text))
                return op;
        }
        ADD_FAILURE() << "no op " << text;
        return layout.Draw.Ops().front();
    }

    static constexpr int kWidth = 400;
    static constexpr int kHeight = 120;
    TScopedDC dc{CreateCompatibleDC(nullptr)};
    TScopedBitmap bitmap{CreateBitmap(kWidth, kHeight, 1, 32, nullptr)};
    TSelectObject keepBitmap{dc.Get(), bitmap.Get()};
    TFontCache fonts;
};

TEST_F(GdiPainterTest, PaintsTheReportExampleWithBordersBandsAndDifferenceCells) {
    const TLayout layout = Layout(ReadFixture("html/render-sample-report.html"));
    Paint(layout, TPaintOptions{});

    const TRect frame = Find(layout, EDrawKind::Frame).Rect;
    EXPECT_EQ(Pixel(frame.Left, frame.Top + 2), RGB(0, 0, 0));      // cell border
    EXPECT_EQ(Pixel(frame.Left - 1, frame.Top + 2), RGB(0, 0, 0));  // table border beside it
    const TRect product = Find(layout, EDrawKind::Text, "Grid 4 (Delphi 7)").Rect;
    EXPECT_EQ(Pixel(product.Left - 2, product.Top), RGB(0xDC, 0xFE, 0xD6));  // band, left of the text
    EXPECT_GT(Count(product, RGB(0, 0, 0)), 20);                             // black text
    const TRect bars = Find(layout, EDrawKind::Text, "Bars 5 (Delphi 7)").Rect;
    EXPECT_EQ(Pixel(bars.Left - 2, bars.Top), RGB(0xFF, 0xFF, 0xC8));
    const TRect difference = Find(layout, EDrawKind::Text, "4.1").Rect;
    EXPECT_EQ(Pixel(difference.Right + 3, difference.Top), RGB(0xFF, 0, 0));
    EXPECT_GT(Count(difference, RGB(0xFF, 0xFF, 0xFF)), 10);  // white text on red
}

TEST_F(GdiPainterTest, MonochromePrintingBlackensAllButWhiteTextAndBackgroundsCanBeLeftOut) {
    const TLayout layout =
        Layout("<table><tr bgcolor=#ffff00><td><font color=#0000ff>blue text</font></td></tr></table>");
    const TRect text = Find(layout, EDrawKind::Text, "blue text").Rect;

    Paint(layout, TPaintOptions{});
    EXPECT_GT(Count(text, RGB(0, 0, 0xFF)), 10);
    EXPECT_EQ(Pixel(text.Left - 1, text.Top), RGB(0xFF, 0xFF, 0));

    TPaintOptions monochrome;
    monochrome.MonochromeBlack = true;
    monochrome.Backgrounds = false;
    SetUp();
    Paint(layout, monochrome);
    EXPECT_EQ(Count(text, RGB(0, 0, 0xFF)), 0);
    EXPECT_GT(Count(text, RGB(0, 0, 0)), 10);
    EXPECT_EQ(Pixel(text.Left - 1, text.Top), RGB(0xFF, 0xFF, 0xFF));
}

TEST_F(GdiPainterTest, PaintsOnlyTheBandAskedForAndShowsTheSelection) {
    const TLayout layout = Layout(ReadFixture("html/render-sample-report.html"));
    const TRect product = Find(layout, EDrawKind::Text, "Grid 4 (Delphi 6)").Rect;
    TPaintOptions options;
    options.BandTop = product.Top;  // the row with this text moves to the top of the bitmap
    options.OffsetY = -product.Top;
    options.SelectionFirst = options.SelectionLast = Find(layout, EDrawKind::Text, "Grid 4 (Delphi 6)").TextOrder;
    Paint(layout, options);
    const TRect shown{product.Left, 0, product.Right, product.Height()};
    EXPECT_GT(Count(shown, GetSysColor(COLOR_HIGHLIGHT)), 20);
    EXPECT_GT(Count(shown, GetSysColor(COLOR_HIGHLIGHTTEXT)), 10);
}

}  // namespace
}  // namespace html

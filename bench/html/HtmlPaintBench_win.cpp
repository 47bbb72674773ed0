// Parse, lay out with GDI measures, and paint a 10,000-row report: one screen at a time as the view
// paints while scrolling, and the whole document at once for comparison.
#include <windows.h>

#include <cstdio>

#include "BenchReport.h"
#include "toolkit/html/Document.h"
#include "toolkit/html/GdiPainter_win.h"
#include "toolkit/html/TableLayout.h"
#include "toolkit/win/GdiTextMeasure_win.h"
#include "toolkit/win/Handles_win.h"

int main() {
    const std::string source = BenchReport(10000);
    const TScopedDC dc(CreateCompatibleDC(nullptr));
    constexpr int kScreenWidth = 800;
    constexpr int kScreenHeight = 600;
    const TScopedBitmap bitmap(CreateBitmap(kScreenWidth, kScreenHeight, 1, 32, nullptr));
    if (!dc || !bitmap)
        return 1;
    const TSelectObject keepBitmap(dc.Get(), bitmap.Get());
    html::THtmlStyle style;
    style.FontHeight = -MulDiv(8, ScreenPixelsPerInch(), 72);

    html::THtmlDocument document;
    html::TLayout layout;
    Measure("parse 10,000 rows", 5, [&] { document = html::ParseDocument(source); });
    Measure("lay out 10,000 rows (GDI measure)", 5, [&] {
        const TGdiTextMeasure measure(dc.Get());
        layout = html::LayoutDocument(document, measure, style, kScreenWidth);
    });
    TFontCache fonts;
    const auto paintBand = [&](int top, int bottom) {
        html::TPaintOptions options;
        options.OffsetY = -top;
        options.BandTop = top;
        options.BandBottom = bottom;
        html::PaintDrawList(dc.Get(), layout.Draw, fonts, options);
    };
    Measure("paint one screen (600 px)", 20, [&] { paintBand(layout.Height / 2, layout.Height / 2 + kScreenHeight); });
    Measure("paint 100 screens scrolling down", 3, [&] {
        for (int i = 0; i < 100; ++i)
            paintBand(i * 160, i * 160 + kScreenHeight);
    });
    Measure("paint every row once (whole document)", 3, [&] { paintBand(0, layout.Height); });
    std::printf("%zu draw ops, document %d x %d px\n", layout.Draw.Ops().size(), layout.Width, layout.Height);
    return 0;
}

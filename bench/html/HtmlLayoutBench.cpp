// Parse and layout of a 10,000-row report with fixed metrics: the engine's own cost, without GDI.
#include <cstdio>

#include "BenchReport.h"
#include "support/FixedTextMeasure.h"
#include "toolkit/html/Document.h"
#include "toolkit/html/Paginate.h"
#include "toolkit/html/TableLayout.h"

int main() {
    const std::string source = BenchReport(10000);
    const TFixedTextMeasure measure;
    html::THtmlDocument document;
    html::TLayout layout;
    Measure("parse 10,000 rows", 5, [&] { document = html::ParseDocument(source); });
    Measure("lay out 10,000 rows", 5,
            [&] { layout = html::LayoutDocument(document, measure, html::THtmlStyle{}, 800); });
    std::size_t pages = 0;
    Measure("slice into pages of 970", 5,
            [&] { pages = html::SlicePages(layout.Breaks, layout.Height, 970, 9999).size(); });
    Measure("find the visible band (x1000)", 5, [&] {
        for (int y = 0; y < 1000; ++y)
            layout.Draw.Visible(y * layout.Height / 1000, y * layout.Height / 1000 + 600);
    });
    std::printf("%zu bytes, %zu draw ops, height %d, %zu pages\n", source.size(), layout.Draw.Ops().size(),
                layout.Height, pages);
    return 0;
}

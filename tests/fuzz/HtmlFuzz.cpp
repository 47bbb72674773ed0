// Any bytes through the parser, the table layout and the page slicer: nothing may crash, hang or
// break the invariants the painter and the printer rely on. The first two bytes choose the view width
// and the page height.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz/FuzzRequire.h"
#include "support/FixedTextMeasure.h"
#include "toolkit/html/Document.h"
#include "toolkit/html/Paginate.h"
#include "toolkit/html/TableLayout.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2)
        return 0;
    const int width = data[0] * 4;
    const int pageHeight = 1 + data[1] * 4;
    const std::string_view source(reinterpret_cast<const char*>(data + 2), size - 2);

    const TFixedTextMeasure measure;
    const html::THtmlDocument document = html::ParseDocument(source);
    const html::TLayout layout = html::LayoutDocument(document, measure, html::THtmlStyle{}, width);
    REQUIRE(layout.Height >= 0 && layout.Width >= 0);

    const auto& ops = layout.Draw.Ops();
    for (std::size_t i = 0; i < ops.size(); ++i) {
        REQUIRE(ops[i].Rect.Right >= ops[i].Rect.Left && ops[i].Rect.Bottom >= ops[i].Rect.Top);
        REQUIRE(i == 0 || ops[i - 1].Rect.Top <= ops[i].Rect.Top);
        REQUIRE(ops[i].Kind != html::EDrawKind::Text || ops[i].Font < static_cast<int>(layout.Draw.Fonts().size()));
    }
    const auto [first, last] = layout.Draw.Visible(layout.Height / 3, layout.Height / 2);
    REQUIRE(first <= last && last <= ops.size());
    REQUIRE(layout.Draw.TextOrderAt(width / 2, layout.Height / 2) < layout.Draw.TextCount());

    const auto pages = html::SlicePages(layout.Breaks, layout.Height, pageHeight, 500);
    for (std::size_t i = 0; i < pages.size(); ++i) {
        REQUIRE(pages[i].Bottom > pages[i].Top && pages[i].Bottom - pages[i].Top <= pageHeight);
        REQUIRE(i == 0 ? pages[i].Top == 0 : pages[i].Top == pages[i - 1].Bottom);
    }
    REQUIRE(pages.size() == 500 || pages.empty() || pages.back().Bottom >= layout.Height);
    return 0;
}

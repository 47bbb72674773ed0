#include "toolkit/html/Paginate.h"

namespace html {

int PageBottom(const std::vector<TBreakItem>& breaks, int sliceTop, int pageHeight) {
    const long long lowerThird = sliceTop + (2LL * pageHeight + 2) / 3;  // rounded up: 3 * offset >= 2 * height
    int bottom = sliceTop + pageHeight;
    bool shortened = false;
    for (const TBreakItem& item : breaks) {
        const bool block = item.Kind != EBreakKind::Line;
        // Items come in document order, so a table or row below the bottom ends the search.
        if (block && item.Top >= bottom)
            break;
        // Something that began on an earlier page cannot move this page's bottom.
        if (item.Top <= sliceTop || item.Bottom <= bottom || item.Top >= bottom)
            continue;
        const int height = item.Bottom - item.Top;
        if (block) {
            if (item.Top >= lowerThird && height < pageHeight) {
                bottom = item.Top;
                shortened = shortened || item.Kind == EBreakKind::Row;
            }
        } else if (height < pageHeight && !shortened) {
            bottom = item.Top;
        }
    }
    return bottom;
}

std::vector<TPageSlice> SlicePages(const std::vector<TBreakItem>& breaks,
                                   int documentHeight,
                                   int pageHeight,
                                   int maxPages) {
    std::vector<TPageSlice> pages;
    if (pageHeight <= 0)
        return pages;
    int top = 0;
    while (static_cast<int>(pages.size()) < maxPages) {
        const int bottom = PageBottom(breaks, top, pageHeight);
        pages.push_back({top, bottom});
        // A document that ends exactly at a page bottom needs no blank page after it.
        if (documentHeight <= bottom)
            break;
        top = bottom;
    }
    return pages;
}

}  // namespace html

#ifndef PLUX_TOOLKIT_HTML_PAGINATE_H
#define PLUX_TOOLKIT_HTML_PAGINATE_H

#include <algorithm>
#include <vector>

#include "toolkit/html/TableLayout.h"

namespace html {

// One printed page: the band [Top, Bottom) of the laid-out document.
struct TPageSlice {
    int Top = 0;
    int Bottom = 0;

    bool operator==(const TPageSlice&) const = default;
};

// Where the page that starts at `sliceTop` ends. The bottom starts at sliceTop + pageHeight and only
// moves up: a table or row that begins in the lower third, crosses the bottom and is shorter than a
// page goes to the next page (a row shortens the page); a line of text that crosses the bottom goes
// to the next page unless it is a page tall or the page was already shortened.
int PageBottom(const std::vector<TBreakItem>& breaks, int sliceTop, int pageHeight);

// The document cut into pages, at most `maxPages` of them; none when a page has no height.
std::vector<TPageSlice> SlicePages(const std::vector<TBreakItem>& breaks,
                                   int documentHeight,
                                   int pageHeight,
                                   int maxPages);

// Pages `first` to `last`, counted from 1, of those there are.
template <typename TPage>
std::vector<TPage> SelectPages(const std::vector<TPage>& pages, int first, int last) {
    const long long count = static_cast<long long>(pages.size());
    const long long begin = std::clamp<long long>(first, 1, count + 1) - 1;
    const long long end = std::clamp<long long>(last, begin, count);
    return {pages.begin() + begin, pages.begin() + end};
}

}  // namespace html

#endif

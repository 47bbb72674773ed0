#ifndef PLUX_TOOLKIT_HTML_COLUMNPAGES_H
#define PLUX_TOOLKIT_HTML_COLUMNPAGES_H

#include <optional>
#include <string>
#include <vector>

#include "toolkit/TextMeasure.h"
#include "toolkit/html/DrawList.h"
#include "toolkit/html/Paginate.h"
#include "toolkit/html/TableLayout.h"

namespace html {

// A document wider than its view or page: its widest table's first column, with the margin left of it,
// is the strip that stays in sight. The view keeps it in place while the rest scrolls sideways; in
// print, the table is cut between columns into groups that fit the page beside that strip, which every
// group repeats at the page's left edge; a document as wide as the page is one group. The pages of a group are the
// document's rows sliced as SlicePages slices them, on a page shortened by the page-number footer, and every group is
// printed top to bottom before the next one; pages are numbered from 1 across the groups. Everything drawn is cut at
// the same strips, so a document meant for this holds the one wide table.

// A vertical strip of the document, [Left, Right), drawn at PageLeft on the page.
struct TStrip {
    int Left = 0;
    int Right = 0;
    int PageLeft = 0;

    bool operator==(const TStrip&) const = default;
};

struct TPrintedPage {
    TPageSlice Slice;
    std::vector<TStrip> Strips;  // left to right
    int Number = 0;              // from 1

    bool operator==(const TPrintedPage&) const = default;
};

// The strip from the document's left edge to the second column of its widest table; nothing when no
// table has two columns.
std::optional<TStrip> FirstColumnStrip(const TLayout& layout);

// The strips of each group of columns: the repeated first column, then the group's columns; a single
// strip of the whole width when the document fits the page or its widest table has one column. A group
// holds one column at least, even a column wider than the page.
std::vector<std::vector<TStrip>> ColumnGroups(const TLayout& layout, int pageWidth);

// The height at the bottom of each page kept for its number: a blank line, then the number.
int PageNumberHeight(const TTextMeasure& measure, const THtmlStyle& style);

// The pages, at most maxPages of them; none when the page has no room left for the document.
std::vector<TPrintedPage> PaginateColumns(const TLayout& layout,
                                          int pageWidth,
                                          int pageHeight,
                                          int numberHeight,
                                          int maxPages);

// "Page 3", centred on the page's last line, in page coordinates.
TDrawList PageNumberDraw(int number,
                         const TTextMeasure& measure,
                         const THtmlStyle& style,
                         int pageWidth,
                         int pageHeight);

}  // namespace html

#endif

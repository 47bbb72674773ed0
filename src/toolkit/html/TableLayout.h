#ifndef PLUX_TOOLKIT_HTML_TABLELAYOUT_H
#define PLUX_TOOLKIT_HTML_TABLELAYOUT_H

#include <cstddef>
#include <string>
#include <vector>

#include "toolkit/TextMeasure.h"
#include "toolkit/html/Document.h"
#include "toolkit/html/DrawList.h"

namespace html {

// The view's defaults; lengths in the units the measure works in (screen pixels, or print units).
struct THtmlStyle {
    std::string FontName = "Arial";
    std::string PreFontName = "Courier New";  // of preformatted text
    int FontHeight = -11;                     // 8 pt at 96 pixels per inch
    TColour TextColour = kBlack;
    int MarginWidth = 10;
    int MarginHeight = 5;
};

// What pagination needs to know: where tables, table rows and lines of text begin and end.
enum class EBreakKind { Table, Row, Line };

struct TBreakItem {
    EBreakKind Kind = EBreakKind::Line;
    int Top = 0;
    int Bottom = 0;

    bool operator==(const TBreakItem&) const = default;
};

// Where a table and its columns stand across the page, for printing a table wider than the page in
// groups of columns. A column's cells span [ColumnLefts[c], ColumnRights[c]).
struct TTableColumns {
    int Left = 0;  // the outer edges of the table, its border included
    int Right = 0;
    std::vector<int> ColumnLefts;
    std::vector<int> ColumnRights;

    bool operator==(const TTableColumns&) const = default;
};

// Where a table cell went: the block, row and cell of the document, and its box with its border.
struct TCellPlace {
    std::size_t Block = 0;
    std::size_t Row = 0;
    std::size_t Cell = 0;
    TRect Bounds;
};

struct TLayout {
    TDrawList Draw;
    std::vector<TBreakItem> Breaks;     // in document order: a table, then each row followed by its lines
    std::vector<TTableColumns> Tables;  // in document order
    std::vector<TRect> Blocks;          // one per block of the document
    std::vector<TCellPlace> Cells;      // in document order
    int Width = 0;                      // of the content, margins included
    int Height = 0;
};

// Lays the document out at `width`, the view's client width; tables are as wide as their content
// needs and wrap their cells' text only when that is wider than the view.
// A width no content reaches: at it nothing wraps, and the document is as wide as its content.
inline constexpr int kNaturalWidth = 1 << 28;

TLayout LayoutDocument(const THtmlDocument& document, const TTextMeasure& measure, const THtmlStyle& style, int width);

}  // namespace html

#endif

#ifndef PLUX_TOOLKIT_BARS_ROWLAYOUT_H
#define PLUX_TOOLKIT_BARS_ROWLAYOUT_H

// Geometry of the bars, apart from painting: where each item sits within its bar, how big a bar is,
// and where the docked bars sit in the rows of a dock. All sizes come from TBarMetrics, which the view
// scales to the screen; texts are measured through TTextMeasure.

#include <cstddef>
#include <vector>

#include "toolkit/Geometry.h"
#include "toolkit/TextMeasure.h"
#include "toolkit/bars/BarModel.h"

// Sizes at design resolution (96 pixels per inch); Scaled() gives them for another font height.
struct TBarMetrics {
    int Border = 2;        // around the items of a docked bar
    int GripWidth = 8;     // the drag handle left of a toolbar's items
    int ButtonWidth = 23;  // a glyph-only button
    int ButtonHeight = 22;
    int SeparatorWidth = 6;    // a group separator between toolbar items
    int ComboCaptionGap = 4;   // between a combo's caption and its box
    int MenuItemPadding = 7;   // left and right of a menu bar caption
    int MenuBarHeight = 23;    // the whole menu bar, borders included
    int MenuGlyphColumn = 24;  // the shaded strip of a drop-down menu that holds the glyphs
    int MenuEntryHeight = 22;
    int MenuSeparatorHeight = 5;
    int MenuTextGap = 8;  // between the glyph column and a caption, and before a shortcut

    TBarMetrics Scaled(int numerator, int denominator) const;
};

struct TItemPlace {
    std::size_t LinkIndex = 0;
    TRect Bounds;  // the item, relative to the bar's top left corner
    bool SeparatorBefore = false;
    TRect Separator;  // where the separator line goes when there is one
    TRect ComboBox;   // a combo's edit box, within Bounds
};

struct TBarPlacement {
    int Width = 0;
    int Height = 0;
    std::vector<TItemPlace> Items;  // shown links only, in link order

    // The place under a point relative to the bar, or nullptr.
    const TItemPlace* ItemAt(int x, int y) const;
};

// Lays out the shown links of a docked bar in one line. A menu bar shows captions without glyphs.
TBarPlacement PlaceBarItems(const TBar& bar,
                            const TBarMetrics& metrics,
                            const TTextMeasure& measure,
                            const TFontSpec& font);

struct TDockedBar {
    const TBar* Bar = nullptr;
    int Width = 0;  // the bar's own size, from PlaceBarItems
    int Height = 0;
};

struct TDockPlacement {
    int Height = 0;
    std::vector<TRect> Bounds;  // per docked bar, in the order given
};

// Places the bars of one dock in their rows: rows in the order of their numbers, each as high as its
// highest bar; within a row the bars keep their left positions but never overlap, a bar that takes the
// whole row spans the dock's width. Rows without bars take no space.
TDockPlacement PlaceDockRows(const std::vector<TDockedBar>& bars, int dockWidth);

#endif

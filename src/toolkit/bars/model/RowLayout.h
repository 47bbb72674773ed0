#ifndef PLUX_TOOLKIT_BARS_MODEL_ROWLAYOUT_H
#define PLUX_TOOLKIT_BARS_MODEL_ROWLAYOUT_H

// Geometry of the bars, apart from painting: where each item sits within its bar, how big a bar is,
// and where the docked bars sit in the lines of a dock. A vertical bar or dock is the horizontal one
// with its axes swapped. All sizes come from TBarMetrics, which the view scales to the screen; texts
// are measured through TTextMeasure.

#include <cstddef>
#include <vector>

#include "toolkit/Geometry.h"
#include "toolkit/TextMeasure.h"
#include "toolkit/bars/model/BarModel.h"

// Sizes at design resolution (96 pixels per inch); Scaled() gives them for another font height.
struct TBarMetrics {
    int Border = 2;        // around the items of a docked bar
    int GripWidth = 8;     // the drag handle before a docked bar's items
    int ButtonWidth = 23;  // a glyph-only button
    int ButtonHeight = 22;
    int SeparatorWidth = 6;    // a group separator between toolbar items
    int ComboCaptionGap = 4;   // between a combo's caption and its box
    int MenuItemPadding = 7;   // before and after a caption on a bar
    int MenuBarHeight = 23;    // the whole menu bar, borders included
    int MenuGlyphColumn = 24;  // the shaded strip of a drop-down menu that holds the glyphs
    int MenuEntryHeight = 22;
    int MenuSeparatorHeight = 5;
    int MenuTextGap = 8;          // between the glyph column and a caption, and before a shortcut
    int FloatBorder = 3;          // the frame of a floating bar's window
    int FloatCaptionHeight = 16;  // its caption, which holds the close box
    int DropMargin = 12;          // how far beyond a dock a dragged bar still docks there

    TBarMetrics Scaled(int numerator, int denominator) const;
};

// What a link shows on a bar: a menu bar shows captions; a toolbar button its glyph, its caption, or
// both as its paint style says (a button without glyph always shows its caption).
struct TItemLook {
    bool Glyph = false;
    bool Caption = false;
};
TItemLook LookOnBar(const TBarItemLink& link, bool menuBar);

struct TItemPlace {
    std::size_t LinkIndex = 0;
    TLinkId Link{};
    TRect Bounds;  // the item, relative to the bar's top left corner
    bool SeparatorBefore = false;
    TRect Separator;  // where the separator line goes when there is one
    TRect ComboBox;   // a combo's edit box, within Bounds
};

// How a bar is laid out: along which axis its items run, whether a grip comes first, and the length at
// which its items wrap onto a further line (0: they never wrap). A docked bar wraps at the dock's length,
// that is only when it would not fit the dock at all; a floating one at its window's width.
struct TBarFrame {
    bool Vertical = false;
    bool Grip = true;
    int MaxLength = 0;
};

struct TBarPlacement {
    int Width = 0;
    int Height = 0;
    TRect Grip;                     // the drag handle; empty without one
    std::vector<TItemPlace> Items;  // shown links only, in link order

    // The place under a point relative to the bar, or nullptr.
    const TItemPlace* ItemAt(int x, int y) const;
};

// Lays out the shown links of a bar in lines along its axis. A separator never starts a line.
TBarPlacement PlaceBarItems(const TBar& bar,
                            const TBarFrame& frame,
                            const TBarMetrics& metrics,
                            const TTextMeasure& measure,
                            const TFontSpec& font);

struct TDockedBar {
    TBarId Bar{};
    int Row = 0;
    int Position = 0;       // along the dock
    bool Alone = false;     // one on its row, or taking the whole row
    bool WholeRow = false;  // stretches to the dock's end
    int Length = 0;         // along the dock, from PlaceBarItems
    int Thickness = 0;      // across the dock
};

// One line of a dock as placed: a stored row, or the part of a row that wrapped onto a further line.
struct TDockLine {
    int Row = 0;
    int Start = 0;  // across the dock
    int End = 0;
    bool Alone = false;        // holds a bar that stays alone
    std::vector<TBarId> Bars;  // along the dock
};

struct TDockPlacement {
    int Thickness = 0;
    std::vector<TRect> Bounds;  // per docked bar, in the order given, relative to the dock
    std::vector<TDockLine> Lines;
};

// Places the bars of one dock: rows in the order of their numbers, each as thick as its thickest bar;
// within a row the bars keep their positions but never overlap. A bar that would run past the dock's
// end moves back as far as the bar before it allows, and when it still does not fit it starts a further
// line; the stored rows come back as soon as there is room. A bar alone on its row gets a line of its
// own; a bar that takes the whole row spans the dock. Rows without bars take no room.
TDockPlacement PlaceDock(const std::vector<TDockedBar>& bars, int dockLength, bool vertical);

#endif

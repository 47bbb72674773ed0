#ifndef PLUX_TOOLKIT_HTML_DRAWLIST_H
#define PLUX_TOOLKIT_HTML_DRAWLIST_H

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "toolkit/Geometry.h"
#include "toolkit/TextMeasure.h"
#include "toolkit/html/Document.h"

namespace html {

enum class EDrawKind {
    Fill,   // Rect filled with Colour
    Frame,  // a one-unit outline just inside Rect, in Colour
    Text,   // Text in Fonts[Font] and Colour, its baseline at Baseline, inside Rect
};

struct TDrawOp {
    EDrawKind Kind = EDrawKind::Fill;
    TRect Rect;
    TColour Colour = kBlack;
    std::string Text;
    int Font = 0;
    int Baseline = 0;
    int TextOrder = -1;  // reading order of a text op, for selection; -1 for the others
    int Cell = -1;       // the table cell it paints (TLayout::Cells); -1: none
    bool Line = false;   // a fill that draws a line (a table's border), not a background
};

// What a laid-out document paints, in document coordinates, sorted by top edge so a painter can find
// the ops of a visible band without looking at the others.
class TDrawList {
public:
    int AddFont(const TFontSpec& font);
    // The ops added from now on paint table cell `cell` (-1: none).
    void SetCell(int cell) { cell_ = cell; }
    void Add(TDrawOp op);
    void Finish();  // sorts by top; call once after the last Add

    const std::vector<TDrawOp>& Ops() const { return ops_; }
    const std::vector<TFontSpec>& Fonts() const { return fonts_; }
    int TextCount() const { return textCount_; }

    // Index range [first, last) holding every op that reaches into the band [top, bottom).
    std::pair<std::size_t, std::size_t> Visible(int top, int bottom) const;

    // The text op at (x, y), or the one nearest to it; -1 when there is no text.
    int TextOrderAt(int x, int y) const;

private:
    std::vector<TDrawOp> ops_;
    std::vector<TFontSpec> fonts_;
    int maxHeight_ = 0;
    int textCount_ = 0;
    int cell_ = -1;
};

}  // namespace html

#endif

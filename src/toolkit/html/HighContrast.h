#ifndef PLUX_TOOLKIT_HTML_HIGHCONTRAST_H
#define PLUX_TOOLKIT_HTML_HIGHCONTRAST_H

#include <vector>

#include "toolkit/SystemColours.h"
#include "toolkit/html/TableLayout.h"

namespace html {

// The colour an op paints in under high contrast, whatever the document asks for: backgrounds in the
// window colour and text in the window-text colour, lines (borders) in the window-text colour too; a
// marked cell (the host marks what the document stresses by colour) stands out in the highlight colours.
TColour HighContrastColour(const TDrawOp& op, bool marked, const TSystemColours& colours);

// Which cells of the layout (TLayout::Cells) the predicate marks.
template <typename Marks>
std::vector<bool> MarkedCells(const THtmlDocument& document, const TLayout& layout, Marks marks) {
    std::vector<bool> marked;
    marked.reserve(layout.Cells.size());
    for (const TCellPlace& place : layout.Cells) {
        const auto& table = std::get<TTable>(document.Blocks[place.Block]);
        marked.push_back(marks(table.Rows[place.Row].Cells[place.Cell]));
    }
    return marked;
}

}  // namespace html

#endif

#include "toolkit/html/GdiPainter_win.h"

#include <climits>

#include "toolkit/html/HighContrast.h"
#include "toolkit/win/Handles_win.h"

namespace html {
namespace {

RECT Shifted(const TRect& rect, const TPaintOptions& options) {
    return RECT{rect.Left + options.OffsetX, rect.Top + options.OffsetY, rect.Right + options.OffsetX,
                rect.Bottom + options.OffsetY};
}

// The colour of an op: its own, or under high contrast the system's for what it paints.
COLORREF OpColour(const TDrawOp& op, const TPaintOptions& options) {
    if (!options.HighContrast)
        return ToColorRef(op.Colour);
    const bool marked = op.Cell >= 0 && options.Marked && static_cast<std::size_t>(op.Cell) < options.Marked->size() &&
                        (*options.Marked)[static_cast<std::size_t>(op.Cell)];
    return ToColorRef(HighContrastColour(op, marked, *options.HighContrast));
}

// The stock DC brush takes any colour without creating a brush per cell.
void FillColour(HDC dc, const RECT& rect, COLORREF colour, bool frameOnly) {
    SetDCBrushColor(dc, colour);
    const auto brush = static_cast<HBRUSH>(GetStockObject(DC_BRUSH));
    if (frameOnly)
        FrameRect(dc, &rect, brush);
    else
        FillRect(dc, &rect, brush);
}

}  // namespace

void PaintDrawList(HDC dc, const TDrawList& list, TFontCache& fonts, const TPaintOptions& options) {
    const auto [first, last] = list.Visible(options.BandTop, options.BandBottom);
    if (first == last)
        return;
    const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    const COLORREF highlightText = GetSysColor(COLOR_HIGHLIGHTTEXT);
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    const UINT oldAlign = SetTextAlign(dc, TA_BASELINE | TA_LEFT | TA_NOUPDATECP);
    const COLORREF oldColour = GetTextColor(dc);
    TSelectObject keepFont(dc, GetCurrentObject(dc, OBJ_FONT));
    const auto& ops = list.Ops();
    for (std::size_t i = first; i < last; ++i) {
        const TDrawOp& op = ops[i];
        if (op.Rect.Bottom <= options.BandTop)
            continue;
        const RECT rect = Shifted(op.Rect, options);
        switch (op.Kind) {
            case EDrawKind::Fill:
                if (options.Backgrounds)
                    FillColour(dc, rect, OpColour(op, options), false);
                break;
            case EDrawKind::Frame:
                FillColour(dc, rect, OpColour(op, options), true);
                break;
            case EDrawKind::Text: {
                const bool selected = op.TextOrder >= options.SelectionFirst && op.TextOrder <= options.SelectionLast &&
                                      options.SelectionFirst >= 0;
                COLORREF colour = OpColour(op, options);
                if (options.MonochromeBlack && op.Colour != kWhite)
                    colour = RGB(0, 0, 0);
                if (selected) {
                    FillColour(dc, rect, highlight, false);
                    colour = highlightText;
                }
                SetTextColor(dc, colour);
                SelectObject(dc, fonts.Get(list.Fonts()[op.Font]));
                const int length = op.Text.size() > INT_MAX ? INT_MAX : static_cast<int>(op.Text.size());
                TextOutA(dc, rect.left, op.Baseline + options.OffsetY, op.Text.data(), length);
                break;
            }
        }
    }
    SetTextColor(dc, oldColour);
    SetTextAlign(dc, oldAlign);
    SetBkMode(dc, oldMode);
}

}  // namespace html

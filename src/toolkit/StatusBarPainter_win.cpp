#include "toolkit/StatusBarPainter_win.h"

#include <vssym32.h>

#include "toolkit/StatusBarLayout.h"
#include "toolkit/win/SystemLook_win.h"

namespace {

UINT AlignmentFlags(const TTextOptions& options) {
    UINT flags = DT_SINGLELINE | DT_NOPREFIX;
    switch (options.Alignment) {
        case TAlignment::LeftJustify:
            flags |= DT_LEFT;
            break;
        case TAlignment::Center:
            flags |= DT_CENTER;
            break;
        case TAlignment::RightJustify:
            flags |= DT_RIGHT;
            break;
    }
    switch (options.VerticalAlignment) {
        case TVerticalAlignment::Top:
            flags |= DT_TOP;
            break;
        case TVerticalAlignment::VCenter:
            flags |= DT_VCENTER;
            break;
        case TVerticalAlignment::Bottom:
            flags |= DT_BOTTOM;
            break;
    }
    return flags;
}

void DrawTextIn(HDC dc, const std::string& text, RECT rect, UINT flags, COLORREF color) {
    SetTextColor(dc, color);
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &rect, flags);
}

}  // namespace

void PaintStatusPanel(HDC dc,
                      const RECT& rect,
                      const TStatusPanel& panel,
                      const TPanelContent& content,
                      HFONT font,
                      HTHEME theme) {
    const TPanelColours colours = PanelColours(panel, content, HighContrast(), SystemColours());
    if (theme) {
        // The pane is drawn over the bar's own background, which shows through where the pane is clear.
        DrawThemeBackground(theme, dc, 0, 0, &rect, nullptr);
        DrawThemeBackground(theme, dc, SP_PANE, 0, &rect, nullptr);
    } else {
        FillSolid(dc, rect, ResolveColor(colours.Fill));
    }
    if (content.Text.empty())
        return;
    const RECT textRect = ToRect(PanelTextRect(FromRect(rect), panel.Indent()));
    const UINT flags = AlignmentFlags(panel.TextOptions());
    TSelectObject selectFont(dc, font);
    SetBkMode(dc, TRANSPARENT);
    if (colours.Engraved) {
        RECT highlight = textRect;
        OffsetRect(&highlight, 1, 1);
        DrawTextIn(dc, content.Text, highlight, flags, ResolveColor(kColorBtnHighlight));
    }
    DrawTextIn(dc, content.Text, textRect, flags, ResolveColor(colours.Text));
}

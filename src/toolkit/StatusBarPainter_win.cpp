#include "toolkit/StatusBarPainter_win.h"

#include <vssym32.h>

#include "toolkit/StatusBarLayout.h"

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

COLORREF ResolveStatusColor(TColor color) {
    if ((color & kSystemColor) == kSystemColor)
        return GetSysColor(static_cast<int>(color & 0xFF));
    return static_cast<COLORREF>(color & 0xFFFFFF);
}

void PaintStatusPanel(HDC dc,
                      const RECT& rect,
                      const TStatusPanel& panel,
                      const TPanelContent& content,
                      HFONT font,
                      HTHEME theme) {
    if (theme) {
        // The pane is drawn over the bar's own background, which shows through where the pane is clear.
        DrawThemeBackground(theme, dc, 0, 0, &rect, nullptr);
        DrawThemeBackground(theme, dc, SP_PANE, 0, &rect, nullptr);
    } else {
        TScopedBrush brush(CreateSolidBrush(ResolveStatusColor(panel.Color())));
        FillRect(dc, &rect, brush.Get());
    }
    if (content.Text.empty())
        return;
    const TRect inner = PanelTextRect(TRect{rect.left, rect.top, rect.right, rect.bottom}, panel.Indent());
    const RECT textRect{inner.Left, inner.Top, inner.Right, inner.Bottom};
    const UINT flags = AlignmentFlags(panel.TextOptions());
    TSelectObject selectFont(dc, font);
    SetBkMode(dc, TRANSPARENT);
    if (content.Enabled) {
        DrawTextIn(dc, content.Text, textRect, flags, ResolveStatusColor(panel.Font().Color));
        return;
    }
    RECT highlight = textRect;
    OffsetRect(&highlight, 1, 1);
    DrawTextIn(dc, content.Text, highlight, flags, GetSysColor(COLOR_BTNHIGHLIGHT));
    DrawTextIn(dc, content.Text, textRect, flags, GetSysColor(COLOR_BTNSHADOW));
}

TOffScreen::TOffScreen(HDC target, const RECT& area)
    : target_(target),
      area_(area),
      dc_(CreateCompatibleDC(target)),
      bitmap_(CreateCompatibleBitmap(target, area.right - area.left, area.bottom - area.top)) {
    if (!dc_ || !bitmap_)
        return;
    selection_.emplace(dc_.Get(), bitmap_.Get());
    // Drawing goes on at the target's coordinates.
    SetViewportOrgEx(dc_.Get(), -area.left, -area.top, nullptr);
}

void TOffScreen::CopyToTarget() const {
    BitBlt(target_, area_.left, area_.top, area_.right - area_.left, area_.bottom - area_.top, dc_.Get(), area_.left,
           area_.top, SRCCOPY);
}

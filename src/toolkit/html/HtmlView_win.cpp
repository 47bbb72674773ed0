#include "toolkit/html/HtmlView_win.h"

#include <algorithm>

#include "toolkit/html/GdiPainter_win.h"
#include "toolkit/win/GdiTextMeasure_win.h"
#include "toolkit/win/PaintHelpers_win.h"
#include "toolkit/win/SystemLook_win.h"

namespace {

constexpr char kClassName[] = "THtmlView";
constexpr int kDefaultFontPoints = 8;

}  // namespace

THtmlView::THtmlView() {
    ApplyDefaults();
}

HWND THtmlView::Create(HWND parent, int controlId, const std::string& name) {
    RegisterWindowClass(kClassName, 0, nullptr);
    return CreateHandle(0, kClassName, name.c_str(), WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_HSCROLL | WS_VSCROLL,
                        RECT{}, parent, controlId);
}

// An exception here goes to the window error handler, and the thunk's default handling then at least
// validates a paint, so a failing layout cannot loop on WM_PAINT.
LRESULT THtmlView::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const int x = static_cast<short>(LOWORD(lParam));
    const int y = static_cast<short>(HIWORD(lParam));
    switch (message) {
        case WM_PAINT:
            Paint();
            return 0;
        case WM_PRINTCLIENT: {  // PrintWindow and window animations ask for the picture on their own DC
            const SIZE client = ClientSize();
            PaintArea(reinterpret_cast<HDC>(wParam), RECT{0, 0, client.cx, client.cy});
            return 0;
        }
        case WM_ERASEBKGND:
            return 1;  // Paint covers every pixel
        case WM_SIZE:
            if (updatingScrollBars_)
                return 0;
            if (ClientSize().cx != layoutWidth_)
                Relayout();
            else
                UpdateScrollBars();
            ScrollTo(scrollX_, scrollY_);
            return 0;
        case WM_GETDLGCODE:
            return DLGC_WANTARROWS;
        case WM_KEYDOWN:
            if (OnKeyDown(wParam))
                return 0;
            break;
        case WM_VSCROLL:
            OnScrollBar(SB_VERT, LOWORD(wParam));
            return 0;
        case WM_HSCROLL:
            OnScrollBar(SB_HORZ, LOWORD(wParam));
            return 0;
        case WM_MOUSEWHEEL:
            OnWheel(static_cast<short>(HIWORD(wParam)));
            return 0;
        case WM_LBUTTONDOWN:
            SetFocus(Handle());
            OnMouseDown(x, y);
            return 0;
        case WM_MOUSEMOVE:
            if (selecting_)
                OnMouseMove(x, y);
            return 0;
        case WM_LBUTTONUP:
            OnMouseUp();
            return 0;
        case WM_CAPTURECHANGED:
            selecting_ = false;
            return 0;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            focused_ = message == WM_SETFOCUS;
            InvalidateRect(Handle(), nullptr, FALSE);
            return 0;
        case WM_GETOBJECT: {
            LRESULT result = 0;
            if (access_.Answer(Handle(), wParam, lParam, result))
                return result;
            break;
        }
    }
    return DefaultHandling(message, wParam, lParam);
}

void THtmlView::LoadLines(const std::vector<std::string>& lines, const std::string& /*reference*/, TTableFit fit) {
    if (busy_)
        return;
    busy_ = true;
    struct TBusyReset {
        bool& busy;
        ~TBusyReset() { busy = false; }
    } reset{busy_};

    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += "\r\n";
    }
    document_.reset();
    ApplyDefaults();
    fit_ = fit;
    document_ = html::ParseDocument(text);
    selectionAnchor_ = selectionFocus_ = -1;
    scrollX_ = scrollY_ = 0;
    Relayout();
    ScrollTo(0, 0);
    NotifyAccessibleEvent(Handle(), EVENT_OBJECT_REORDER);
}

// Arial and Courier New, margins 10 and 5 come with THtmlStyle; the size and colour depend on the system.
void THtmlView::ApplyDefaults() {
    style_ = html::THtmlStyle{};
    style_.FontHeight = -MulDiv(kDefaultFontPoints, ScreenPixelsPerInch(), 72);
    style_.TextColour = GetSysColor(COLOR_BTNTEXT);
}

SIZE THtmlView::ClientSize() const {
    RECT client{};
    if (Handle())
        GetClientRect(Handle(), &client);
    return SIZE{client.right, client.bottom};
}

int THtmlView::DocumentX(int clientX) const {
    return keptColumn_ && clientX < keptColumn_->Right ? clientX : clientX + scrollX_;
}

int THtmlView::ScrollingWidth() const {
    return static_cast<int>(ClientSize().cx) - (keptColumn_ ? keptColumn_->Right : 0);
}

// Showing or hiding a scroll bar changes the client width, so a second pass may be needed.
void THtmlView::Relayout() {
    for (int pass = 0; pass < 2; ++pass) {
        layoutWidth_ = ClientSize().cx;
        if (document_) {
            const TScopedDC dc(CreateCompatibleDC(nullptr));
            const TGdiTextMeasure measure(dc.Get());
            const int width = fit_ == TTableFit::KeepFirstColumn ? html::kNaturalWidth : layoutWidth_;
            layout_ = html::LayoutDocument(*document_, measure, style_, width);
        } else {
            layout_ = html::TLayout{};
        }
        keptColumn_.reset();
        if (fit_ == TTableFit::KeepFirstColumn)
            keptColumn_ = html::FirstColumnStrip(layout_);
        MarkCells();
        UpdateScrollBars();
        if (ClientSize().cx == layoutWidth_)
            break;
    }
    InvalidateRect(Handle(), nullptr, FALSE);
}

void THtmlView::UpdateScrollBars() {
    if (!Handle())
        return;
    updatingScrollBars_ = true;
    for (int pass = 0; pass < 2; ++pass) {  // one bar appearing can make the other one needed
        const SIZE client = ClientSize();
        SCROLLINFO info{};
        info.cbSize = sizeof(info);
        info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        info.nMax = std::max(0, layout_.Height - 1);
        info.nPage = static_cast<UINT>(std::max<LONG>(0, client.cy));
        info.nPos = scrollY_;
        SetScrollInfo(Handle(), SB_VERT, &info, TRUE);
        info.nMax = std::max(0, layout_.Width - 1);
        info.nPage = static_cast<UINT>(std::max<LONG>(0, client.cx));
        info.nPos = scrollX_;
        SetScrollInfo(Handle(), SB_HORZ, &info, TRUE);
    }
    updatingScrollBars_ = false;
}

void THtmlView::ScrollTo(int x, int y) {
    const SIZE client = ClientSize();
    x = std::clamp(x, 0, std::max(0, layout_.Width - static_cast<int>(client.cx)));
    y = std::clamp(y, 0, std::max(0, layout_.Height - static_cast<int>(client.cy)));
    if (x == scrollX_ && y == scrollY_ && Handle()) {
        InvalidateRect(Handle(), nullptr, FALSE);
        return;
    }
    scrollX_ = x;
    scrollY_ = y;
    if (!Handle())
        return;
    SetScrollPos(Handle(), SB_HORZ, x, TRUE);
    SetScrollPos(Handle(), SB_VERT, y, TRUE);
    InvalidateRect(Handle(), nullptr, FALSE);
}

// Paints the invalid part off screen first, so scrolling does not flicker; only the ops of the visible
// band are drawn, whatever the size of the document.
void THtmlView::Paint() {
    TPaintScope paint(Handle());
    if (!paint.DC())
        return;
    const RECT area = paint.Area();
    // An empty document, as at start-up, is a fill and at most the focus frame, painted straight onto the
    // window: an off-screen picture of the whole view would only add its making and its copy.
    if (layout_.Draw.Ops().empty())
        PaintArea(paint.DC(), area);
    else
        PaintOffScreen(paint.DC(), area, [&](HDC dc) { PaintArea(dc, area); });
}

// Paints the client rectangle `area`.
void THtmlView::PaintArea(HDC dc, const RECT& area) const {
    const bool contrast = HighContrast();
    const TSystemColours colours = SystemColours();
    FillSolid(dc, area, contrast ? colours.Window : RGB(0xFF, 0xFF, 0xFF));

    html::TPaintOptions options;
    if (contrast) {
        options.HighContrast = &colours;
        options.Marked = &marked_;
    }
    options.OffsetX = -scrollX_;
    options.OffsetY = -scrollY_;
    options.BandTop = scrollY_ + area.top;
    options.BandBottom = scrollY_ + area.bottom;
    if (selectionAnchor_ >= 0) {
        options.SelectionFirst = std::min(selectionAnchor_, selectionFocus_);
        options.SelectionLast = std::max(selectionAnchor_, selectionFocus_);
    }
    html::PaintDrawList(dc, layout_.Draw, fonts_, options);
    if (keptColumn_ && scrollX_ > 0) {
        // The kept column again, unscrolled, over what scrolled beneath it.
        const int saved = SaveDC(dc);
        IntersectClipRect(dc, area.left, area.top, std::min<LONG>(area.right, keptColumn_->Right), area.bottom);
        const RECT kept{area.left, area.top, keptColumn_->Right, area.bottom};
        FillRect(dc, &kept, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        options.OffsetX = 0;
        html::PaintDrawList(dc, layout_.Draw, fonts_, options);
        RestoreDC(dc, saved);
    }

    if (focused_) {
        const SIZE client = ClientSize();
        const RECT frame{0, 0, client.cx, client.cy};
        FrameSolid(dc, frame, contrast ? colours.WindowText : RGB(0, 0, 0));
    }
}

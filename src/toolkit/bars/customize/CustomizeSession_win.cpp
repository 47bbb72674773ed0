#include "toolkit/bars/customize/CustomizeSession_win.h"

#include <windowsx.h>

#include <cstdlib>

#include "toolkit/bars/view/BarPainter_win.h"
#include "toolkit/bars/view/BarWindow_win.h"
#include "toolkit/bars/view/ButtonLink_win.h"
#include "toolkit/win/PaintHelpers_win.h"

namespace {

POINT ScreenPoint(HWND window, LPARAM lParam) {
    POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    ClientToScreen(window, &point);
    return point;
}

void Invalidate(HWND window) {
    if (window && IsWindow(window))
        InvalidateRect(window, nullptr, FALSE);
}

const TItemPlace* PlaceAt(const TBarWindow& bar, LPARAM lParam) {
    return bar.Placement().ItemAt(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
}

}  // namespace

TCustomizeSession::TCustomizeSession(TBarViews& views, const TBarViewContext& context)
    : views_(views), context_(context) {
    views_.SetInputHook(this);
}

TCustomizeSession::~TCustomizeSession() {
    EndDrag();
    views_.SetInputHook(nullptr);
}

bool TCustomizeSession::HandleBarMessage(TBarWindow& bar, UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
    result = 0;
    const TBar* model = bar.Bar();
    if (!model)
        return false;
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
            return OnLinkPress(bar, message, lParam);
        case WM_MOUSEMOVE: {
            if (capture_ != bar.Handle())
                return false;
            const POINT screen = ScreenPoint(bar.Handle(), lParam);
            dragging_ = dragging_ || std::abs(screen.x - pressedAt_.x) > GetSystemMetrics(SM_CXDRAG) ||
                        std::abs(screen.y - pressedAt_.y) > GetSystemMetrics(SM_CYDRAG);
            if (dragging_)
                DragTo(screen);
            return true;
        }
        case WM_LBUTTONUP:
            if (capture_ != bar.Handle())
                return false;
            if (dragging_)
                Drop(ScreenPoint(bar.Handle(), lParam));
            else
                EndDrag();
            return true;
        case WM_RBUTTONUP: {
            const TItemPlace* place = PlaceAt(bar, lParam);
            if (!place)
                return false;  // the dock's menu of the bars
            ShowLinkMenu(bar, model->Links[place->LinkIndex].Id, ScreenPoint(bar.Handle(), lParam));
            return true;
        }
        case WM_CAPTURECHANGED:
            if (capture_ == bar.Handle())
                CancelDrag();
            return false;
        default:
            return false;
    }
}

// A press on a link selects it instead of running it; a left press may begin its drag.
bool TCustomizeSession::OnLinkPress(TBarWindow& bar, UINT message, LPARAM lParam) {
    const TItemPlace* place = PlaceAt(bar, lParam);
    if (!place)
        return false;  // the grip and the empty rest: the bar's own
    const TLinkId link = place->Link;
    Select(link, bar.Handle());
    if (message != WM_LBUTTONDOWN)
        return true;
    EndDrag();
    dragLink_ = link;
    capture_ = bar.Handle();
    pressedAt_ = ScreenPoint(bar.Handle(), lParam);
    SetCapture(capture_);
    return true;
}

void TCustomizeSession::PaintMarks(HDC dc, const TBarWindow& bar) const {
    const TBarPlacement& placement = bar.Placement();
    for (const TItemPlace& place : placement.Items)
        if (place.Link == selected_)
            PaintSelectedLink(dc, ToRect(place.Bounds));
    if (mark_ && mark_->Window == bar.Handle()) {
        PaintDropMark(dc, ToRect(DropMark(placement, bar.Frame(), BarMetricsFor(context_), mark_->Place.Index)));
    }
}

void TCustomizeSession::BeginCommandDrag(const TBarItem& command, HWND capture) {
    EndDrag();
    dragCommand_ = &command;
    capture_ = capture;
    dragging_ = true;
    SetCapture(capture);
    POINT screen;
    GetCursorPos(&screen);
    DragTo(screen);
}

void TCustomizeSession::DragTo(POINT screen) {
    const std::optional<TTarget> target = TargetAt(screen);
    SetMark(target);
    // Without a place, a command goes nowhere and a link goes away.
    SetCursor(LoadCursorA(nullptr, target ? IDC_ARROW : IDC_NO));
}

void TCustomizeSession::Drop(POINT screen) {
    const std::optional<TTarget> target = TargetAt(screen);
    const TBarItem* command = dragCommand_;
    const std::optional<TLinkId> link = dragLink_;
    EndDrag();
    std::optional<TLinkDrop> place;
    if (target)
        place = target->Place;
    if (command && place)
        DropCommand(*context_.Manager, *command, *place);
    if (link)
        DropLink(*context_.Manager, *link, place);
}

void TCustomizeSession::CancelDrag() {
    EndDrag();
}

// The capture is given up last: its loss comes back here and must find the drag ended.
void TCustomizeSession::EndDrag() {
    SetMark(std::nullopt);
    const HWND capture = capture_;
    capture_ = nullptr;
    dragging_ = false;
    dragCommand_ = nullptr;
    dragLink_.reset();
    if (capture && GetCapture() == capture)
        ReleaseCapture();
}

// The bar window under the point, found through the window thunk, when it shows a bar of this manager.
std::optional<TCustomizeSession::TTarget> TCustomizeSession::TargetAt(POINT screen) const {
    const HWND desktop = GetDesktopWindow();
    for (HWND window = WindowFromPoint(screen); window && window != desktop; window = GetAncestor(window, GA_PARENT)) {
        const auto* bar = dynamic_cast<const TBarWindow*>(TWindow::FromHandle(window));
        if (!bar)
            continue;
        const TBar* model = bar->Bar();
        if (!model || context_.Manager->FindBar(model->Id) != model)
            return std::nullopt;
        POINT client = screen;
        ScreenToClient(window, &client);
        return TTarget{window, {model->Id, DropIndex(*model, bar->Placement(), bar->Frame(), client.x, client.y)}};
    }
    return std::nullopt;
}

void TCustomizeSession::Select(TLinkId link, HWND window) {
    Invalidate(selectedWindow_);
    selected_ = link;
    selectedWindow_ = window;
    Invalidate(window);
}

void TCustomizeSession::SetMark(const std::optional<TTarget>& mark) {
    const bool same = mark_.has_value() == mark.has_value() &&
                      (!mark || (mark_->Window == mark->Window && mark_->Place.Index == mark->Place.Index));
    if (same)
        return;
    if (mark_)
        Invalidate(mark_->Window);
    mark_ = mark;
    if (mark_)
        Invalidate(mark_->Window);
}

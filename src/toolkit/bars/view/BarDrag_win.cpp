// Dragging a bar: while the left button is down the outline shows where the bar will land, docked as
// the drop decision says or floating under the pointer; the release puts it there, Escape or the right
// button leave everything as it was.
#include <cstdlib>

#include "toolkit/bars/view/BarViews_win.h"
#include "toolkit/win/PaintHelpers_win.h"

struct TBarViews::TDrag {
    TBarId Bar{};
    bool FromFloat = false;
    TDraggedBar Dragged;
    SIZE FloatSize{};   // the floating window the bar has or would have
    POINT FloatGrab{};  // where in that window the pointer holds it
    TDropTarget Target;
    POINT FloatPlace{};  // the floating window's place on the screen, when it floats
};

TBarViews::TDrag TBarViews::StartDrag(TBarId bar, HWND from, POINT grab) const {
    const TBar& model = *context_.Manager->FindBar(bar);
    const TBarWindow& window = *WindowOf(bar);
    const TBarMetrics& metrics = context_.Metrics;
    TDrag drag;
    drag.Bar = bar;
    drag.FromFloat = !model.Docked();
    const SIZE horizontal = window.SizeIn(TBarFrame{false, true, 0});
    const SIZE vertical = window.SizeIn(TBarFrame{true, true, 0});
    const int grabAlong =
        drag.FromFloat ? metrics.Border + metrics.GripWidth / 2 : (window.Frame().Vertical ? grab.y : grab.x);
    drag.Dragged = TDraggedBar{
        bar, model.OneOnRow || model.WholeRow, horizontal.cx, horizontal.cy, vertical.cy, vertical.cx, grabAlong};
    if (drag.FromFloat) {
        RECT bounds;
        GetWindowRect(from, &bounds);
        drag.FloatSize = SIZE{bounds.right - bounds.left, bounds.bottom - bounds.top};
        drag.FloatGrab = grab;
    } else {
        const SIZE natural = window.SizeIn(TBarFrame{false, false, 0});
        const TFloatFrame frame = FloatFrameAround(natural.cx, natural.cy, metrics);
        drag.FloatSize = SIZE{frame.Window.Width(), frame.Window.Height()};
        drag.FloatGrab = POINT{frame.Caption.Left + std::min<int>(grab.x, natural.cx),
                               frame.Caption.Top + frame.Caption.Height() / 2};
    }
    return drag;
}

void TBarViews::DragBar(TBarId bar, HWND from, POINT grab) {
    if (!context_.Manager->FindBar(bar) || !WindowOf(bar))
        return;
    TDrag drag = StartDrag(bar, from, grab);
    // Where the button went down, not where the pointer is by now: a busy program sees the press late.
    POINT start = grab;
    ClientToScreen(from, &start);
    bool moved = false;
    bool dropped = false;
    SetCapture(from);
    MSG message;
    while (GetCapture() == from) {
        if (GetMessageA(&message, nullptr, 0, 0) <= 0) {
            PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        if (message.message == WM_MOUSEMOVE || message.message == WM_LBUTTONUP) {
            // A press that does not move the pointer beyond the drag threshold is a click, not a drag.
            moved = moved || std::abs(message.pt.x - start.x) >= GetSystemMetrics(SM_CXDRAG) ||
                    std::abs(message.pt.y - start.y) >= GetSystemMetrics(SM_CYDRAG);
            if (moved)
                ShowDropFeedback(drag, message.pt);
            if (message.message == WM_LBUTTONUP) {
                dropped = moved;
                break;
            }
            continue;
        }
        if ((message.message == WM_KEYDOWN && message.wParam == VK_ESCAPE) || message.message == WM_RBUTTONDOWN)
            break;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    if (GetCapture() == from)
        ReleaseCapture();
    feedback_.Hide();
    if (dropped)
        Drop(drag);
}

void TBarViews::ShowDropFeedback(TDrag& drag, POINT screenPoint) {
    POINT point = screenPoint;
    ScreenToClient(parent_, &point);
    std::vector<TDropDock> docks;
    for (const auto& dock : docks_)
        docks.push_back(dock->DropDock());
    drag.Target = FindDropTarget(docks, FromRect(area_), point.x, point.y, drag.Dragged, context_.Metrics.DropMargin);
    RECT outline;
    if (drag.Target.Floating) {
        drag.FloatPlace = POINT{screenPoint.x - drag.FloatGrab.x, screenPoint.y - drag.FloatGrab.y};
        outline = RECT{drag.FloatPlace.x, drag.FloatPlace.y, drag.FloatPlace.x + drag.FloatSize.cx,
                       drag.FloatPlace.y + drag.FloatSize.cy};
    } else {
        outline = ToRect(drag.Target.Feedback);
        MapWindowPoints(parent_, nullptr, reinterpret_cast<POINT*>(&outline), 2);
    }
    feedback_.ShowAt(outline);
}

// A bar that starts to float takes the size it has on one line; a floating one keeps its own.
void TBarViews::Drop(const TDrag& drag) {
    const TBar* bar = context_.Manager->FindBar(drag.Bar);
    if (!bar)
        return;
    if (!drag.Target.Floating)
        return context_.Manager->DockBar(drag.Bar, drag.Target.Position);
    if (drag.FromFloat)
        return context_.Manager->FloatBar(drag.Bar, drag.FloatPlace.x, drag.FloatPlace.y, bar->FloatClientWidth,
                                          bar->FloatClientHeight);
    const SIZE natural = WindowOf(drag.Bar)->SizeIn(TBarFrame{false, false, 0});
    context_.Manager->FloatBar(drag.Bar, drag.FloatPlace.x, drag.FloatPlace.y, natural.cx, natural.cy);
}

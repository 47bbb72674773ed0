#include "toolkit/bars/model/DropTarget.h"

#include <algorithm>

namespace {

bool IsVertical(TDockingStyle side) {
    return side == TDockingStyle::Left || side == TDockingStyle::Right;
}

TRect CatchArea(const TDropDock& dock, int margin) {
    TRect area = dock.Bounds;
    switch (dock.Side) {
        case TDockingStyle::Top:
            area.Bottom += margin;
            break;
        case TDockingStyle::Bottom:
            area.Top -= margin;
            break;
        case TDockingStyle::Left:
            area.Right += margin;
            break;
        case TDockingStyle::Right:
            area.Left -= margin;
            break;
        case TDockingStyle::None:
            break;
    }
    return area;
}

bool Joins(const TDockLine& line, const TDraggedBar& bar) {
    if (line.Bars.size() == 1 && line.Bars.front() == bar.Id)
        return true;
    return !line.Alone && !bar.Alone;
}

// The row a drop at `across` goes to, and where that row starts across the dock: the start of the
// line it joins, or the boundary where the new row goes in.
struct TRowChoice {
    int Row = 0;
    bool NewRow = true;
    int Across = 0;
};

TRowChoice ChooseRow(const std::vector<TDockLine>& lines, int across, const TDraggedBar& bar) {
    if (lines.empty())
        return {};
    if (across < lines.front().Start)
        return {lines.front().Row, true, lines.front().Start};
    if (across >= lines.back().End)
        return {lines.back().Row + 1, true, lines.back().End};
    const TDockLine& line =
        *std::find_if(lines.begin(), lines.end(), [&](const TDockLine& l) { return across < l.End; });
    const TRowChoice before{line.Row, true, line.Start};
    const TRowChoice after{line.Row + 1, true, line.End};
    const int quarter = std::max(1, (line.End - line.Start) / 4);
    if (across < line.Start + quarter)
        return before;
    if (across >= line.End - quarter)
        return after;
    if (Joins(line, bar))
        return {line.Row, false, line.Start};
    return across < (line.Start + line.End) / 2 ? before : after;
}

TDropTarget DockAt(const TDropDock& dock, const TRect& client, int x, int y, const TDraggedBar& bar) {
    const bool vertical = IsVertical(dock.Side);
    const int alongOrigin = vertical ? dock.Bounds.Top : dock.Bounds.Left;
    const int acrossOrigin = vertical ? dock.Bounds.Left : dock.Bounds.Top;
    const int dockLength = vertical ? dock.Bounds.Height() : dock.Bounds.Width();
    const int length = vertical ? bar.VerticalLength : bar.HorizontalLength;
    const int thickness = vertical ? bar.VerticalThickness : bar.HorizontalThickness;
    const int along = std::clamp((vertical ? y : x) - alongOrigin - bar.GrabAlong, 0, std::max(0, dockLength - length));
    const TRowChoice row = ChooseRow(dock.Lines, (vertical ? x : y) - acrossOrigin, bar);

    TDropTarget target;
    target.Floating = false;
    target.Position.Side = dock.Side;
    target.Position.Row = row.Row;
    target.Position.NewRow = row.NewRow;
    (vertical ? target.Position.Top : target.Position.Left) = along;
    (vertical ? target.Position.Left : target.Position.Top) = row.Across;

    // A new row shows straddling the boundary it goes in at, within the client area.
    const int clientStart = vertical ? client.Left : client.Top;
    const int clientEnd = vertical ? client.Right : client.Bottom;
    int feedbackAcross = acrossOrigin + row.Across - (row.NewRow ? thickness / 2 : 0);
    feedbackAcross = std::max(clientStart, std::min(feedbackAcross, clientEnd - thickness));
    const int feedbackAlong = alongOrigin + along;
    target.Feedback = vertical
                          ? TRect{feedbackAcross, feedbackAlong, feedbackAcross + thickness, feedbackAlong + length}
                          : TRect{feedbackAlong, feedbackAcross, feedbackAlong + length, feedbackAcross + thickness};
    return target;
}

}  // namespace

TDropTarget FindDropTarget(const std::vector<TDropDock>& docks,
                           const TRect& client,
                           int x,
                           int y,
                           const TDraggedBar& bar,
                           int margin) {
    for (TDockingStyle side : {TDockingStyle::Top, TDockingStyle::Bottom, TDockingStyle::Left, TDockingStyle::Right})
        for (const TDropDock& dock : docks)
            if (dock.Side == side && CatchArea(dock, margin).Contains(x, y))
                return DockAt(dock, client, x, y, bar);
    return {};
}

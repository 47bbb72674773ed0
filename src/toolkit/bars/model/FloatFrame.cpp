#include "toolkit/bars/model/FloatFrame.h"

#include <algorithm>

TFloatFrame FloatFrameAround(int barWidth, int barHeight, const TBarMetrics& metrics, bool closeBox) {
    const int border = metrics.FloatBorder;
    const int caption = metrics.FloatCaptionHeight;
    TFloatFrame frame;
    frame.Window = {0, 0, barWidth + 2 * border, barHeight + caption + 2 * border};
    frame.Caption = {border, border, frame.Window.Right - border, border + caption};
    const int closeLeft = closeBox ? std::max(border, frame.Caption.Right - caption) : frame.Caption.Right;
    frame.CloseBox = {closeLeft, border, frame.Caption.Right, border + caption};
    frame.Bar = {border, border + caption, border + barWidth, border + caption + barHeight};
    return frame;
}

int FloatBarWidth(int windowWidth, const TBarMetrics& metrics) {
    return std::max(1, windowWidth - 2 * metrics.FloatBorder);
}

TRect ReachableWindow(const TRect& window, const TRect& screen, const TBarMetrics& metrics) {
    const int reach = 2 * metrics.FloatCaptionHeight;
    const int highestLeft = std::max(screen.Left, screen.Right - reach);
    const int lowestLeft = std::min(screen.Left + reach - window.Width(), highestLeft);
    const int left = std::clamp(window.Left, lowestLeft, highestLeft);
    const int top =
        std::clamp(window.Top, screen.Top, std::max(screen.Top, screen.Bottom - metrics.FloatCaptionHeight));
    return TRect{left, top, left + window.Width(), top + window.Height()};
}

// The side edges resize; the caption strip, apart from the close box, and the rest of the frame move.
TFloatPart TFloatFrame::PartAt(int x, int y) const {
    if (!Window.Contains(x, y))
        return TFloatPart::None;
    if (x < Caption.Left)
        return TFloatPart::LeftEdge;
    if (x >= Caption.Right)
        return TFloatPart::RightEdge;
    if (CloseBox.Contains(x, y))
        return TFloatPart::CloseBox;
    if (Bar.Contains(x, y))
        return TFloatPart::Bar;
    return TFloatPart::Caption;
}

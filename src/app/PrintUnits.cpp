#include "app/PrintUnits.h"

#include <algorithm>
#include <cmath>

namespace {

// value * numerator / denominator to the nearest integer, halves away from zero (as MulDiv).
int ScaleRounded(int value, int numerator, int denominator) {
    if (denominator == 0)
        return 0;
    const double exact = static_cast<double>(value) * numerator / denominator;
    return static_cast<int>(std::round(exact));
}

int MarginPixels(double centimetres, int pixelsPerInch) {
    return static_cast<int>(std::trunc(centimetres / 2.54 * pixelsPerInch));
}

}  // namespace

int PrintUnitsPerInch(int screenPixelsPerInch, double printScale) {
    return static_cast<int>(std::nearbyint(screenPixelsPerInch * printScale));  // default rounding: halves to even
}

TPrintGeometry ComputePrintGeometry(const TDeviceCaps& caps,
                                    int screenPixelsPerInch,
                                    double printScale,
                                    const TPrintMargins& margins) {
    const int rightStrip = std::max(0, caps.PhysicalWidth - caps.PrintableWidth - caps.OffsetX);
    const int bottomStrip = std::max(0, caps.PhysicalHeight - caps.PrintableHeight - caps.OffsetY);
    // A strip wider than its margin makes that side negative: the content then reaches past the
    // printable area there, as the margin asks.
    const int left = MarginPixels(margins.Left, caps.PixelsPerInchX) - caps.OffsetX;
    const int top = MarginPixels(margins.Top, caps.PixelsPerInchY) - caps.OffsetY;
    const int rightPart = MarginPixels(margins.Right, caps.PixelsPerInchX) - rightStrip;
    const int bottomPart = MarginPixels(margins.Bottom, caps.PixelsPerInchY) - bottomStrip;
    const int width = caps.PrintableWidth - left - rightPart;
    const int height = caps.PrintableHeight - top - bottomPart;

    TPrintGeometry geometry;
    geometry.Scale = PrintUnitsPerInch(screenPixelsPerInch, printScale);
    geometry.Device = {left, top, left + width, top + height};
    const int logicalLeft = ScaleRounded(left, geometry.Scale, caps.PixelsPerInchX);
    const int logicalTop = ScaleRounded(top, geometry.Scale, caps.PixelsPerInchY);
    geometry.Logical = {logicalLeft, logicalTop, logicalLeft + ScaleRounded(width, geometry.Scale, caps.PixelsPerInchX),
                        logicalTop + ScaleRounded(height, geometry.Scale, caps.PixelsPerInchY)};
    geometry.Clip = {left, top - 1, left + width + 2, top + height + 2};
    return geometry;
}

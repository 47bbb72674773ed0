#ifndef PLUX_APP_PRINTUNITS_H
#define PLUX_APP_PRINTUNITS_H

#include "toolkit/Geometry.h"

// What the printer tells about its page, in device pixels.
struct TDeviceCaps {
    int PixelsPerInchX = 0;
    int PixelsPerInchY = 0;
    int PhysicalWidth = 0;
    int PhysicalHeight = 0;
    int PrintableWidth = 0;
    int PrintableHeight = 0;
    int OffsetX = 0;  // the unprintable strip at the left
    int OffsetY = 0;  // and at the top
};

// Print margins in centimetres from the edges of the paper.
struct TPrintMargins {
    double Left = 2.0;
    double Right = 2.0;
    double Top = 2.0;
    double Bottom = 2.0;
};

// Where a printed page goes. Logical units are 1/Scale inch, so the printout has the report's screen
// size times the print scale; the printer maps them with window extents (Scale, Scale) and viewport
// extents (PixelsPerInchX, PixelsPerInchY).
struct TPrintGeometry {
    int Scale = 96;
    TRect Device;   // the printable rectangle within the margins, device pixels
    TRect Logical;  // the same in logical units
    TRect Clip;     // device pixels: one more above, two more right and below
};

// The screen's pixels per inch times the print scale, rounded to the nearest, halves to even.
int PrintUnitsPerInch(int screenPixelsPerInch, double printScale);

TPrintGeometry ComputePrintGeometry(const TDeviceCaps& caps,
                                    int screenPixelsPerInch,
                                    double printScale,
                                    const TPrintMargins& margins);

#endif

#include "app/PrintUnits.h"

#include <gtest/gtest.h>

namespace {

// An A4 sheet at 300 dots per inch as the PDF printer reports it: one column unprintable at the right.
TDeviceCaps A4At300() {
    TDeviceCaps caps;
    caps.PixelsPerInchX = caps.PixelsPerInchY = 300;
    caps.PhysicalWidth = 2480;
    caps.PhysicalHeight = 3508;
    caps.PrintableWidth = 2479;
    caps.PrintableHeight = 3508;
    return caps;
}

TEST(PrintUnits, ScalesScreenPixelsPerInchRoundingHalvesToEven) {
    struct {
        int ppi;
        double scale;
        int units;
    } const cases[] = {{96, 1.0, 96}, {120, 1.0, 120}, {96, 1.5625, 150}, {97, 0.5, 48}, {99, 0.5, 50}, {96, 0.9, 86}};
    for (const auto& row : cases) {
        SCOPED_TRACE(testing::Message() << row.ppi << " x " << row.scale);
        EXPECT_EQ(PrintUnitsPerInch(row.ppi, row.scale), row.units);
    }
}

// 2 cm at 300 dpi is trunc(236.2) = 236 pixels; the right side loses the unprintable column.
TEST(PrintUnits, PlacesTheMarginsInsideThePrintableArea) {
    const TPrintGeometry geometry = ComputePrintGeometry(A4At300(), 96, 1.0, TPrintMargins{});
    EXPECT_EQ(geometry.Scale, 96);
    EXPECT_EQ(geometry.Device, (TRect{236, 236, 236 + 2008, 236 + 3036}));
    // 236 x 96 / 300 = 75.52, 2008 -> 642.56, 3036 -> 971.52.
    EXPECT_EQ(geometry.Logical, (TRect{76, 76, 76 + 643, 76 + 972}));
    EXPECT_EQ(geometry.Clip, (TRect{236, 235, 236 + 2008 + 2, 236 + 3036 + 2}));
}

TEST(PrintUnits, WideUnprintableStripsMakeTheirMarginsNegative) {
    TDeviceCaps caps = A4At300();
    caps.OffsetX = 300;  // one inch unprintable on the left, wider than the margin
    caps.OffsetY = 100;
    caps.PrintableWidth = 2480 - 300 - 250;  // and 250 pixels on the right
    caps.PrintableHeight = 3508 - 100 - 400;
    const TPrintGeometry geometry = ComputePrintGeometry(caps, 96, 1.0, TPrintMargins{});
    EXPECT_EQ(geometry.Device.Left, 236 - 300);
    EXPECT_EQ(geometry.Device.Top, 236 - 100);
    // Right part 236 - 250 = -14, bottom part 236 - 400 = -164.
    EXPECT_EQ(geometry.Device.Width(), 1930 + 64 + 14);
    EXPECT_EQ(geometry.Device.Height(), 3008 - 136 + 164);
    EXPECT_EQ(geometry.Logical.Left, -20);  // -64 x 96 / 300 = -20.48
    EXPECT_EQ(geometry.Clip.Left, -64);
}

TEST(PrintUnits, FollowsEachAxisAndThePrintScale) {
    TDeviceCaps caps = A4At300();
    caps.PixelsPerInchY = 600;
    caps.PhysicalHeight = caps.PrintableHeight = 7016;
    TPrintMargins margins;
    margins.Top = 2.54;
    const TPrintGeometry geometry = ComputePrintGeometry(caps, 120, 2.0, margins);
    EXPECT_EQ(geometry.Scale, 240);
    EXPECT_EQ(geometry.Device.Top, 600);
    EXPECT_EQ(geometry.Logical.Top, 240);
    EXPECT_EQ(geometry.Logical.Left, 189);  // 236 x 240 / 300 = 188.8
}

}  // namespace

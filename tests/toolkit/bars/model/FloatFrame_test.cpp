#include "toolkit/bars/model/FloatFrame.h"

#include <gtest/gtest.h>

namespace {

TEST(FloatFrame, PartsAroundTheBarAndWhatAPointHits) {
    // Border 3, caption 16: a bar of 100 x 26 makes a window of 106 x 48.
    const TFloatFrame frame = FloatFrameAround(100, 26, TBarMetrics{});
    EXPECT_EQ(frame.Window, (TRect{0, 0, 106, 48}));
    EXPECT_EQ(frame.Caption, (TRect{3, 3, 103, 19}));
    EXPECT_EQ(frame.CloseBox, (TRect{87, 3, 103, 19}));
    EXPECT_EQ(frame.Bar, (TRect{3, 19, 103, 45}));
    struct TCase {
        int x, y;
        TFloatPart part;
    } cases[] = {
        {1, 30, TFloatPart::LeftEdge}, {104, 30, TFloatPart::RightEdge}, {0, 0, TFloatPart::LeftEdge},
        {10, 10, TFloatPart::Caption}, {50, 1, TFloatPart::Caption},     {90, 10, TFloatPart::CloseBox},
        {50, 30, TFloatPart::Bar},     {50, 46, TFloatPart::Caption},    {106, 10, TFloatPart::None},
        {-1, 10, TFloatPart::None},
    };
    for (const TCase& row : cases)
        EXPECT_EQ(frame.PartAt(row.x, row.y), row.part) << row.x << "," << row.y;
    EXPECT_EQ(FloatBarWidth(106, TBarMetrics{}), 100);
    EXPECT_EQ(FloatBarWidth(4, TBarMetrics{}), 1) << "never less than a pixel";
    EXPECT_EQ(FloatFrameAround(5, 26, TBarMetrics{}).CloseBox.Left, 3) << "the close box stays in the frame";
}

// A bar the user may not hide floats without a close box: its place is caption like the rest.
TEST(FloatFrame, WithoutACloseBoxTheCaptionRunsToTheEnd) {
    const TFloatFrame frame = FloatFrameAround(100, 26, TBarMetrics{}, false);
    EXPECT_EQ(frame.CloseBox.Width(), 0);
    EXPECT_EQ(frame.CloseBox.Left, frame.Caption.Right);
    for (const int x : {4, 87, 90, 102})
        EXPECT_EQ(frame.PartAt(x, 10), TFloatPart::Caption) << x;
    EXPECT_EQ(frame.PartAt(104, 10), TFloatPart::RightEdge);
}

TEST(FloatFrame, AWindowOffTheScreensComesBackWithinReachOfItsCaption) {
    const TRect screen{0, 0, 1280, 1024};
    struct TCase {
        const char* name;
        TRect window;
        TRect shown;
    } cases[] = {
        {"on the screen it stays", {300, 200, 500, 250}, {300, 200, 500, 250}},
        {"partly off to the left it stays", {-150, 200, 50, 250}, {-150, 200, 50, 250}},
        {"far left: its caption's end shows", {-5000, 200, -4800, 250}, {-168, 200, 32, 250}},
        {"far right: its caption's start shows", {5000, 200, 5200, 250}, {1248, 200, 1448, 250}},
        {"above the screen", {300, -40, 500, 10}, {300, 0, 500, 50}},
        {"below the screen", {300, 3000, 500, 3050}, {300, 1008, 500, 1058}},
    };
    for (const TCase& row : cases)
        EXPECT_EQ(ReachableWindow(row.window, screen, TBarMetrics{}), row.shown) << row.name;
    EXPECT_EQ(ReachableWindow({0, 0, 10, 10}, {0, 0, 20, 20}, TBarMetrics{}), (TRect{0, 0, 10, 10}))
        << "a screen narrower than the reach";
}

}  // namespace

#ifndef PLUX_TESTS_SUPPORT_FAKEFORMWINDOW_H
#define PLUX_TESTS_SUPPORT_FAKEFORMWINDOW_H

#include <optional>
#include <vector>

#include "state/FormState.h"

// A window as a form state sees it, at the main window's design bounds on a 96 pixels-per-inch screen;
// it records what the state does to it.
class TFakeFormWindow final : public TFormWindow {
public:
    TPlacement Placement() const override { return placement; }
    void SetPlacement(const TPlacement& applied) override {
        placement = applied;
        bounds = applied.NormalPos;
        appliedPlacements.push_back(applied);
    }
    int PixelsPerInch() const override { return pixelsPerInch; }
    TRect Bounds() const override { return bounds; }
    bool Sizeable() const override { return sizeable; }
    int Color() const override { return color; }
    bool IsMainWindow() const override { return mainWindow; }
    bool ApplicationIconic() const override { return applicationIconic; }
    void MinimizeApplication() override { applicationMinimized = true; }
    void SetWindowState(TWindowState state) override { windowState = state; }
    void Update() override { ++updates; }

    TPlacement placement{0, 1, TRect{227, 114, 923, 594}};
    TRect bounds{227, 114, 923, 594};
    int pixelsPerInch = 96;
    bool sizeable = true;
    int color = 0xFFFFFF;
    bool mainWindow = true;
    bool applicationIconic = false;

    std::vector<TPlacement> appliedPlacements;
    std::optional<TWindowState> windowState;
    bool applicationMinimized = false;
    int updates = 0;
};

#endif

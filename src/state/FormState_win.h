#ifndef PLUX_STATE_FORMSTATE_WIN_H
#define PLUX_STATE_FORMSTATE_WIN_H

#include <windows.h>

#include <optional>

#include "state/FormState.h"

// A top-level window as its form state sees it. The application window is the one the task bar shows;
// given, the window is the application's main window. A window state set while the window is hidden
// waits for its first show.
class TWin32FormWindow final : public TFormWindow {
public:
    TWin32FormWindow(HWND window, HWND applicationWindow) : window_(window), application_(applicationWindow) {}

    TPlacement Placement() const override;
    void SetPlacement(const TPlacement& placement) override;
    int PixelsPerInch() const override;
    TRect Bounds() const override;
    bool Sizeable() const override;
    int Color() const override;
    bool IsMainWindow() const override { return application_ != nullptr; }
    bool ApplicationIconic() const override;
    void MinimizeApplication() override;
    void SetWindowState(TWindowState state) override;
    void Update() override;

    // Shows the window for the first time: in the window state set while it was hidden, or as
    // `requested` when none or the normal one was set.
    void ShowFirst(int requested);

private:
    WINDOWPLACEMENT CurrentPlacement() const;

    HWND window_ = nullptr;
    HWND application_ = nullptr;
    std::optional<TWindowState> pendingState_;
};

#endif

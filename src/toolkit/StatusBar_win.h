#ifndef PLUX_TOOLKIT_STATUSBAR_WIN_H
#define PLUX_TOOLKIT_STATUSBAR_WIN_H

// The status bar over the platform's native status-bar control. The control keeps the parts (their
// edges, borders and texts) and draws the borders and the size grip; the panels are drawn by us over
// the parts. The control's own painting goes through a bitmap of the whole bar; a panel shown again
// from outside it (text change, keyboard watch, resize) is drawn into a bitmap of the panel's size and
// copied onto the bar in one step, so nothing flickers. The parent places and sizes the bar; the bar
// follows its size on its own. Errors inside its messages go to the window error handler.
//
// Assistive programs read the bar and its panels (TStatusBar::DescribePanel) and learn when a panel's
// text or a lock key changes. Under high contrast the bar goes without the visual theme and its panels
// paint in the system's colours (PanelColours).

#include <windows.h>

#include <uxtheme.h>

#include <vector>

#include "toolkit/StatusBar.h"
#include "toolkit/win/AccessibleObject_win.h"
#include "toolkit/win/FontCache_win.h"
#include "toolkit/win/Handles_win.h"

namespace handles {
inline BOOL CloseTheme(HTHEME theme) {
    return SUCCEEDED(CloseThemeData(theme));
}
}  // namespace handles

using TScopedTheme = TScopedHandle<HTHEME, handles::CloseTheme>;

class TStatusBarWindow final : public TStatusBar, private TAccessibleTree {
public:
    TStatusBarWindow() = default;
    ~TStatusBarWindow() override;

    // Makes the control a child of `parent`; it shows the size grip when SizeGrip is set and the
    // parent has a sizeable frame.
    void Create(HWND parent);
    HWND Handle() const { return handle_; }
    // Whether the platform's visual theme draws the bar.
    bool Themed() const { return static_cast<bool>(theme_); }
    // The system's settings or colours changed (high contrast on or off).
    void SystemLookChanged();

    // Where a panel is drawn, in the bar's client coordinates: its part, inside the part's border when
    // no theme draws the bar, and for the last part clear of the size grip; empty for a panel that has
    // no part.
    RECT PanelRect(const TStatusPanel& panel) const;
    // Draws the panel into a bitmap of its size and copies that onto `target`, a device context of the
    // bar, in one step.
    void RepaintPanelOnto(HDC target, const TStatusPanel& panel);

protected:
    void SetParts(const std::vector<int>& edges) override;
    void InvalidateStrip(int left, int right) override;
    void RepaintPanel(const TStatusPanel& panel) override;
    void PanelChanged(const TStatusPanel& panel) override;
    void RepaintBar() override;
    void ToggleLock(TStatusPanelStyle style) override;

private:
    static LRESULT CALLBACK
    SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR self);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void Paint();
    void PaintBar(HDC dc);
    void PaintPanel(HDC dc, const TStatusPanel& panel);
    void SetPartText(const TStatusPanel& panel);
    std::size_t PartCount() const;
    bool HasGrip() const;
    void OpenTheme();
    std::optional<TAccessibleNode> Node(const TAccessiblePath& path) const override;
    // A lock panel painted in another state than before: assistive programs hear of it.
    void NoteLockState(const TStatusPanel& panel, bool lockOn);

    HWND handle_ = nullptr;
    TFontCache fonts_;
    TScopedTheme theme_;
    std::vector<int> lockShown_;  // per panel: the lock state painted last, -1 before the first paint
    TAccessibleServer access_{*this};
};

#endif

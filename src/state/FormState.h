#ifndef PLUX_STATE_FORMSTATE_H
#define PLUX_STATE_FORMSTATE_H

// TFormState keeps a window's placement (its normal rectangle and flags) and its window state. It
// restores nothing when the stored pixels per inch differ from the window's, nor without a stored
// rectangle; a minimised state of the application's main window minimises the application instead.
// The save writes all five keys whatever the options. What the window is made of reaches it through
// TFormWindow, whose Win32 side is FormState_win.

#include <string>
#include <string_view>

#include "state/AbstractState.h"
#include "state/StateStore.h"
#include "toolkit/Geometry.h"

enum class TWindowState { Normal, Minimized, Maximized };

// The show command a save writes while the application is minimised.
inline constexpr int kShowMinimized = 2;

struct TPlacement {
    int Flags = 0;
    int ShowCmd = 0;
    TRect NormalPos;  // workspace coordinates
    bool operator==(const TPlacement&) const = default;
};

// The window a form state belongs to.
class TFormWindow {
public:
    virtual ~TFormWindow() = default;
    virtual TPlacement Placement() const = 0;
    // Applies a placement whose show command is 0, so that the window is not shown by it.
    virtual void SetPlacement(const TPlacement& placement) = 0;
    virtual int PixelsPerInch() const = 0;
    // The current left, top, left + width and top + height.
    virtual TRect Bounds() const = 0;
    // A sizeable frame (sizeable or sizeable tool window); any other border keeps its size.
    virtual bool Sizeable() const = 0;
    virtual int Color() const = 0;
    virtual bool IsMainWindow() const = 0;
    virtual bool ApplicationIconic() const = 0;
    // Posts the system command to minimise to the application's own window.
    virtual void MinimizeApplication() = 0;
    // A window not yet visible takes the state on when it is first shown.
    virtual void SetWindowState(TWindowState state) = 0;
    // Paints what is pending.
    virtual void Update() = 0;
};

enum TFormStateOption : unsigned {
    fsState = 1,
    fsPosition = 2,
    fsNoSize = 4,
    fsColor = 8,
    fsActiveControl = 16,
    fsDefaultMonitor = 32,
};

// "left,top,right,bottom", the words separated by runs of commas and blanks; a missing word or one that
// is no integer takes the value of `current`.
TRect ParseNormalPos(std::string_view text, const TRect& current);
std::string FormatNormalPos(const TRect& rect);
// 2 and 6 are minimised, 3 maximised, everything else normal.
TWindowState WindowStateOfShowCmd(int showCmd);

class TFormState final : public TAbstractState {
public:
    explicit TFormState(TFormWindow& window);

    unsigned Options = fsState | fsPosition;

protected:
    void RestoreOwnState() override;
    void SaveOwnState() override;

private:
    void RestorePlacement(TAbstractStore& store);
    void SavePlacement(TAbstractStore& store);

    TFormWindow& window_;
};

#endif

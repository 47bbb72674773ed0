#ifndef PLUX_TOOLKIT_BARS_DOCKSITE_WIN_H
#define PLUX_TOOLKIT_BARS_DOCKSITE_WIN_H

// The top dock of a window: one bar window per bar of the manager docked at the top, placed in rows
// by the row layout. It follows the manager (it is a listener): after any change it places the bars
// again and tells the host when its height changed. Its context menu lists the bars so that the user
// can hide and show them; the main menu bar always stays. The owner positions the dock at the top of
// its client area with the height the dock asks for, and passes its messages through PreTranslate so
// that the menu bar's keys work wherever the focus is.

#include <windows.h>

#include <memory>
#include <vector>

#include "toolkit/bars/BarView_win.h"
#include "toolkit/bars/BarWindow_win.h"
#include "toolkit/bars/MenuBarKeys_win.h"
#include "toolkit/win/Window_win.h"

class TDockSite final : public TWindow, private TBarManagerListener {
public:
    explicit TDockSite(TBarViewContext& context);
    ~TDockSite() override;

    void Create(HWND parent);
    int Height() const { return height_; }
    bool PreTranslate(const MSG& message);

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void BarsChanged() override;
    void CreateMissingBarWindows();
    void PlaceBars();
    void ShowBarsMenu(POINT screenPoint);

    TBarViewContext& context_;
    std::vector<std::unique_ptr<TBarWindow>> barWindows_;  // in the manager's bar order
    std::unique_ptr<TMenuBarKeys> menuKeys_;
    int height_ = 0;
};

#endif

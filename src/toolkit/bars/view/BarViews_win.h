#ifndef PLUX_TOOLKIT_BARS_VIEW_BARVIEWS_WIN_H
#define PLUX_TOOLKIT_BARS_VIEW_BARVIEWS_WIN_H

// The view room of the bar engine: the Win32 windows that show one manager's model (model/BarModel.h)
// and turn the user's clicks, drags and keys into the manager's operations and the host's commands. It
// includes the model and never the customisation (customize/), which reaches in through the two hooks
// declared here and in BarView_win.h: TBarCustomization, the "Customize..." entry of the bars menu,
// and TBarInputHook, which takes the bar windows' mouse input while a session runs.
//
// TBarViews is the whole view of one bar manager in its window: a dock on each side, one bar window per
// bar, and a floating window for each bar that floats. It follows the manager (it is a listener): after
// any change it matches the windows to the bars by id, making windows for new bars and retiring those
// of bars that are gone, puts each bar window into its dock or floating window, and asks the host to
// place the docks again. The host gives the docks their room with PlaceDocks, on every resize too, and
// passes its messages through PreTranslate so that the menu bar's keys, and F6 and Shift+F6, which move
// the focus between the host's content and the toolbars (BarKeyboard.h), work wherever the focus is.
// Dragging a bar (by its grip, or a floating one by its caption) shows where it will land and docks or
// floats it there.

#include <windows.h>

#include <memory>
#include <vector>

#include "toolkit/bars/view/BarView_win.h"
#include "toolkit/bars/view/BarWindow_win.h"
#include "toolkit/bars/view/DockSite_win.h"
#include "toolkit/bars/view/DragFeedback_win.h"
#include "toolkit/bars/view/FloatWindow_win.h"
#include "toolkit/bars/view/MenuBarKeys_win.h"

// Opens the customisation of the bars, owned by `owner`; the view offers it in its bars menu.
class TBarCustomization {
public:
    virtual ~TBarCustomization() = default;
    virtual void Customize(HWND owner) = 0;
};

class TBarViews final : private TBarManagerListener, private TBarViewOwner {
public:
    // The context outlives the view.
    explicit TBarViews(const TBarViewContext& context);
    ~TBarViews() override;
    TBarViews(const TBarViews&) = delete;
    TBarViews& operator=(const TBarViews&) = delete;

    void Create(HWND parent);
    // Places the docks along the edges of `area` (the parent's client coordinates) and returns the part
    // of it they leave free.
    RECT PlaceDocks(const RECT& area);
    bool PreTranslate(const MSG& message);
    // True for the windows of the view that are no children of the parent: a floating bar's window and
    // what it holds. Keys that reach them belong to the parent's window as much as to its children.
    bool HoldsWindow(HWND window) const;

    // Paints the floating windows again (the system's colours changed); the docks and the bars in
    // them are the parent's children, which it repaints itself.
    void RepaintFloatWindows() const;

    // The hook that takes the bar windows' input from now on; null gives it back to them.
    void SetInputHook(TBarInputHook* hook);
    TBarInputHook* InputHook() const override { return inputHook_; }
    HWND HostWindow() const override { return parent_; }
    // What the bars menu's "Customize..." opens; null: the entry is not offered.
    void SetCustomization(TBarCustomization* customization) { customization_ = customization; }

private:
    void BarsChanged() override;
    void DragBar(TBarId bar, HWND from, POINT grab) override;
    void ShowBarsMenu(POINT screenPoint) override;

    // F6 and Shift+F6, and Enter or Escape in a toolbar's combo box; true when taken.
    bool KeyboardFocusKey(const MSG& message);
    void MoveKeyboardFocus(bool backwards);

    // What the windows of single bars see of the view.
    TBarViewOwner& AsOwner() { return *this; }
    void RetireWindowsOfGoneBars();
    void CreateWindowsOfNewBars();
    void PutIntoHolders();
    TBarWindow* WindowOf(TBarId bar) const;
    TFloatWindow* FindFloatWindow(TBarId bar) const;
    // The bar's floating window, made at its first float.
    TFloatWindow& FloatWindowOf(TBarId bar);
    TDockSite& DockOf(TDockingStyle side) const;

    // The drag (BarDrag_win.cpp).
    struct TDrag;
    TDrag StartDrag(TBarId bar, HWND from, POINT grab) const;
    void ShowDropFeedback(TDrag& drag, POINT screenPoint);
    void Drop(const TDrag& drag);

    const TBarViewContext& context_;
    TBarInputHook* inputHook_ = nullptr;
    TBarCustomization* customization_ = nullptr;
    HWND parent_ = nullptr;
    std::vector<std::unique_ptr<TDockSite>> docks_;  // top, bottom, left, right
    std::vector<std::unique_ptr<TBarWindow>> barWindows_;
    std::vector<std::unique_ptr<TFloatWindow>> floatWindows_;
    // Windows of bars that are gone; destroyed from the message loop, since the change that retired them
    // may have come from within one of their own messages.
    std::vector<std::unique_ptr<TWindow>> retired_;
    std::unique_ptr<TMenuBarKeys> menuKeys_;
    TBarWindow* menuKeysBar_ = nullptr;
    TDragFeedback feedback_;
    RECT area_{};  // where the docks were placed last
};

#endif

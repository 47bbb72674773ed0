#ifndef PLUX_TOOLKIT_BARS_VIEW_BARWINDOW_WIN_H
#define PLUX_TOOLKIT_BARS_VIEW_BARWINDOW_WIN_H

// One bar as a child window of its dock or of its floating window. It lays out and paints the bar's
// shown links in the frame its holder gives (axis, grip, wrap length), tracks the pointer over them,
// runs the clicked item's command through the host, opens sub-menus, hosts a native combo box per
// combo link and the tool tips of its items, and hands a press on its grip to the view's drag. While
// the view has an input hook (the customisation), the hook gets the mouse messages first and paints
// over the items. It knows its bar and links by id, so a change of the model never ties it to another
// bar or link; once its bar is gone it shows nothing and waits to be destroyed. Refresh() takes up the
// model again.
//
// A toolbar takes the keyboard focus when the view moves it there (F6): the arrow keys then move from
// item to item, Enter and Space do what a click does, Escape gives the focus back to the host's
// content, and the focused item shows the system's focus rectangle (BarKeyboard.h). For assistive
// programs the window describes its bar, its links and an open sub-menu (BarAccess.h), and it tells
// them when the focus moves, a menu opens or the links change.

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "toolkit/Accessible.h"
#include "toolkit/bars/model/ItemState.h"
#include "toolkit/bars/view/BarView_win.h"
#include "toolkit/bars/view/PersonalMenu_win.h"
#include "toolkit/win/AccessibleObject_win.h"
#include "toolkit/win/Window_win.h"

class TBarWindow final : public TWindow, private TAccessibleTree {
public:
    TBarWindow(const TBarViewContext& context, TBarViewOwner& owner, TBarId bar)
        : context_(context), owner_(owner), barId_(bar) {}
    ~TBarWindow() override;

    void Create(HWND holder);
    TBarId Id() const { return barId_; }
    // The bar, or nullptr once it is gone from the model.
    const TBar* Bar() const { return context_.Manager->FindBar(barId_); }
    // Lays the items out in `frame`, updates combo boxes and tool tips, and repaints.
    void Refresh(const TBarFrame& frame);
    void Refresh() { Refresh(frame_); }
    const TBarPlacement& Placement() const { return placement_; }
    SIZE Size() const { return SIZE{placement_.Width, placement_.Height}; }
    // The size the bar would have in another frame.
    SIZE SizeIn(const TBarFrame& frame) const;
    const TBarFrame& Frame() const { return frame_; }

    // Keyboard access to a menu bar: the highlighted place (-1: none), moving it, and opening a place's
    // sub-menu, which tells whether it was left with Escape. Places count the shown links from 0.
    int PlaceCount() const { return static_cast<int>(placement_.Items.size()); }
    int PlaceWithAccessKey(char key) const;
    void SetKeyboardHot(int place);
    int KeyboardHot() const { return tracking_.KeyboardHot; }
    bool OpenSubMenu(int place, bool byKeyboard);

    // The keyboard focus of a toolbar: the window takes it at the place it had last, or its first place
    // the keyboard reaches. A combo box of the bar that has the focus gives it back to the bar.
    void TakeFocus() { SetFocus(Handle()); }
    bool HasFocus() const;
    bool HoldsControlWithFocus() const;
    // Enter or Escape in a combo box whose list is closed; true when the bar took the focus back.
    bool TakeFocusBackFromControl();

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // Asks a place to run from the message loop, so that an assistive program does not wait for it.
    static constexpr UINT kRunLink = WM_APP + 0x40;

    struct TComboControl {
        TLinkId Link{};
        HWND Handle = nullptr;
        std::vector<std::string> ShownEntries;
    };

    // The link of a place, or nullptr when the model has moved on since the last layout.
    const TBarItemLink* LinkOf(int place) const;
    int PlaceAt(LPARAM point) const;
    void Paint(HDC dc) const;
    void PaintPlace(HDC dc, int place) const;
    void SetHot(int place);
    void Click(int place);
    void PressAt(LPARAM point);
    void UpdateCombos();
    TComboControl& ComboFor(TLinkId link);
    static void ShowComboValues(TComboControl& combo, const TComboProperties& values);
    // The user chose or typed in a combo box: the item changes through the manager, so that every link
    // to it shows the same.
    void ComboChanged(HWND combo, int notification);
    // The tool tip control is made when the pointer first comes over the bar: a bar that no pointer
    // reaches never needs it, and the window opens sooner without it.
    void CreateToolTipOnFirstPointer(LPARAM setCursorParam);
    void UpdateToolTips();
    HWND ComboHandle(TLinkId link) const;

    // The keyboard (BarWindowKeys_win.cpp).
    void FocusChanged(bool gained);
    bool KeyDown(int key);
    void SetFocusPlace(int place);
    // Does what a click on the place does; a combo box takes the focus and opens its list.
    void Run(int place);
    void PaintFocus(HDC dc) const;

    // What assistive programs see (BarWindowAccess_win.cpp).
    std::optional<TAccessibleNode> Node(const TAccessiblePath& path) const override;
    bool DoDefaultAction(const TAccessiblePath& path) override;
    std::optional<TAccessiblePath> Focus() const override;
    TSubMenu* OpenMenu() const;
    TRect ClientBounds(const RECT& screen) const;

    const TBarViewContext& context_;
    TBarViewOwner& owner_;
    TBarId barId_;
    TBarFrame frame_;
    TBarPlacement placement_;
    TItemTracking tracking_;
    bool trackingLeave_ = false;
    TPersonalMenu* openMenu_ = nullptr;  // while a drop-down menu of this bar is open
    int lastFocus_ = -1;                 // the focused place when the window lost the focus
    std::vector<TComboControl> combos_;
    HWND toolTip_ = nullptr;  // made on the pointer's first move over the bar
    bool toolTipMade_ = false;
    std::vector<UINT_PTR> toolIds_;
    TAccessibleServer access_{*this};
};

#endif

#ifndef PLUX_TOOLKIT_BARS_BARWINDOW_WIN_H
#define PLUX_TOOLKIT_BARS_BARWINDOW_WIN_H

// One docked bar as a child window of its dock. It lays out and paints the bar's shown links, tracks
// the pointer over them, runs the clicked item's command through the host, opens sub-menus, hosts a
// native combo box per combo link and the tool tips of its items. The bar's model values stay in
// TBar; Refresh() takes them up again after a change.

#include <windows.h>

#include <string>
#include <vector>

#include "toolkit/bars/BarPainter_win.h"
#include "toolkit/bars/BarView_win.h"
#include "toolkit/bars/SubMenu_win.h"
#include "toolkit/win/Window_win.h"

class TBarWindow final : public TWindow {
public:
    TBarWindow(TBarViewContext& context, TBar& bar) : context_(context), bar_(bar) {}
    ~TBarWindow() override;

    void Create(HWND dock);
    // Lays the items out again, updates combo boxes and tool tips, and repaints.
    void Refresh();
    TBar& Bar() const { return bar_; }
    SIZE Size() const { return SIZE{placement_.Width, placement_.Height}; }

    // Keyboard access to a menu bar: the highlighted place (-1: none), moving it, and opening a place's
    // sub-menu, which tells whether it was left with Escape. Places count the shown links from 0.
    int PlaceCount() const { return static_cast<int>(placement_.Items.size()); }
    int PlaceWithAccessKey(char key) const;
    void SetKeyboardHot(int place);
    int KeyboardHot() const { return keyboardHot_; }
    bool OpenSubMenu(int place, bool byKeyboard);

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    struct TComboControl {
        std::size_t LinkIndex = 0;
        HWND Handle = nullptr;
        std::vector<std::string> ShownEntries;
    };

    TBarItem& ItemOf(int place) const {
        return *bar_.Links[placement_.Items[static_cast<std::size_t>(place)].LinkIndex].Item;
    }
    int PlaceAt(LPARAM point) const;
    void Paint(HDC dc) const;
    void PaintPlace(HDC dc, int place) const;
    TItemState StateOf(int place) const;
    void SetHot(int place);
    void Click(int place);
    void UpdateCombos();
    TComboControl& ComboFor(std::size_t linkIndex);
    void SyncComboFromControl(HWND combo, int notification);
    void UpdateToolTips();

    TBarViewContext& context_;
    TBar& bar_;
    TBarPlacement placement_;
    int hot_ = -1;
    int keyboardHot_ = -1;
    int pressed_ = -1;
    int open_ = -1;
    bool trackingLeave_ = false;
    const TSubMenu* openMenu_ = nullptr;  // while a drop-down menu of this bar is open
    std::vector<TComboControl> combos_;
    HWND toolTip_ = nullptr;
    std::vector<UINT_PTR> toolIds_;
};

#endif

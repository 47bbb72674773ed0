#ifndef PLUX_APP_MAINWINDOW_WIN_H
#define PLUX_APP_MAINWINDOW_WIN_H

// TfrmPLUX, the main window: the bars in their docks, Panel1 holding the report view between them, and
// the status bar along the bottom. The window owns its members, the product list and the report; it runs
// the commands of its actions and bar items. Its life: Create() builds the members from the design,
// runs the creation step and the state restore, and shows the window; closing (Exit or the close box)
// saves the state and destroys it, the destruction step saves the bar layout and ends the message loop;
// the end of the Windows session runs the same saves.
// The bodies of the commands live in files of their own.

#include <windows.h>

#include <array>
#include <memory>

#include "app/DesignScale.h"
#include "app/MainWindowState.h"
#include "check/ProductList.h"
#include "state/FormState_win.h"
#include "toolkit/StatusBar_win.h"
#include "toolkit/bars/customize/CustomizeDialog_win.h"
#include "toolkit/bars/model/BarModel.h"
#include "toolkit/bars/view/BarView_win.h"
#include "toolkit/bars/view/BarViews_win.h"
#include "toolkit/bars/view/GlyphList_win.h"
#include "toolkit/html/HtmlView_win.h"
#include "toolkit/win/FocusMemory_win.h"
#include "toolkit/win/FontCache_win.h"
#include "toolkit/win/GdiTextMeasure_win.h"
#include "toolkit/win/Handles_win.h"
#include "toolkit/win/Panel_win.h"
#include "toolkit/win/Window_win.h"

class TfrmPLUX final : public TWindow, private TBarHost {
public:
    TfrmPLUX();
    ~TfrmPLUX() override;

    // Creates the window owned by `applicationWindow` and shows it as `showCommand` says.
    void Create(HWND applicationWindow, int showCommand);
    // Lets the window take its keys (shortcuts, menu keys) before the message is dispatched, wherever
    // the focus is within the window: in it, one of its children, or a floating bar.
    bool PreTranslateMessage(MSG& message);

    // Commands (one file each).
    void actionDoCheckExecute();
    void actionSaveResultExecute();
    void actionPrintExecute();
    void actionFileExitExecute();
    void barColor1Click();
    void barColor2Click();
    void actionCheckRequiredVersionsExecute();
    void actionOpenTeamReportsExecute();
    void ShowColors();

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // Creation and destruction steps and the places of the stored state (MainWindowLifecycle_win.cpp).
    void RunCreationSteps();
    void FormCreate();
    void SetStateFileName();
    void LoadBarLayout();
    void FillCompareFiles();
    void RestoreState();
    void ComponentStateRestoreState();
    bool FormCloseQuery();
    void SaveState();
    void FormDestroy();
    void SaveBarLayout();
    void CreateStateMembers(HWND applicationWindow);
    void SaveUnsavedState();
    void FormEndSession();
    void ReportSaveError(std::string_view message);

    void CheckProducts();
    // Reads this machine's products into products_, the count read so far in the first status panel.
    void ReadMachineProducts();

    // Work that runs long (LongWork_win.cpp): from its start to its end the wait cursor over the window,
    // which goes on painting; the first status panel shows how far the work has come, if it says.
    class TLongWork {
    public:
        explicit TLongWork(TfrmPLUX& window) : window_(window) { window_.BeginLongWork(); }
        ~TLongWork() { window_.EndLongWork(); }
        TLongWork(const TLongWork&) = delete;
        TLongWork& operator=(const TLongWork&) = delete;

    private:
        TfrmPLUX& window_;
    };
    void BeginLongWork();
    void EndLongWork();
    void ShowProductsRead(std::size_t productsRead);
    bool SetWaitCursor() const override;
    // One command at a time (MainCommands_win.cpp).
    void EndCommand();
    void PickBandColor(std::string_view swatchName);
    // The swatch's colour code and its painted colour, set together.
    void SetBandColor(std::string_view swatchName, std::string code);
    static std::array<COLORREF, 16> WhiteCustomColors();
    const TBarItem& BarItem(std::string_view name) const;

    void CreateMembers();
    void LayOutMembers();
    void ExecuteCommand(int commandId);
    void ExecuteBarCommand(int commandId) override;
    void DocksChanged() override { LayOutMembers(); }
    void FocusContent() override { SetFocus(HTMLViewer.Handle()); }
    void SystemLookChanged();

    TScopedDC measureDC_;  // screen-compatible, for the bars' text measure
    TGdiTextMeasure barMeasure_;
    TFontCache fonts_;
    TDesignScale scale_;
    TFontSpec windowFont_;
    TScopedAccelerators accelerators_;
    std::unique_ptr<TGlyphList> ImageList;
    std::unique_ptr<TGlyphList> LargeImageList;  // the same glyphs for large icons
    TBarManager BarManager;
    TBarViewContext barContext_;
    std::unique_ptr<TBarViews> barViews_;
    std::unique_ptr<TBarCustomizer> barCustomizer_;
    TPanel Panel1;
    THtmlView HTMLViewer;
    TStatusBarWindow StatusBar;
    // The colour dialog's custom colours: white until the user sets them, then kept for the run.
    std::array<COLORREF, 16> customColors_ = WhiteCustomColors();
    // Made with the window, before any creation step that can fail, so every command finds it.
    TProductList products_;
    TFocusMemory focusMemory_;
    // IniFileStore, FormState1 and ComponentState, made with the window's handle.
    std::unique_ptr<TWin32FormWindow> formWindow_;
    std::unique_ptr<TMainWindowState> state_;
    // Set when the end of the session has run the saves of the close and the destruction.
    bool sessionEnded_ = false;
    // A command runs; a close asked for meanwhile waits for its end.
    bool commandRunning_ = false;
    bool closeDeferred_ = false;
    bool longWork_ = false;
    bool layoutHeld_ = false;   // while the window is being made
    SIZE laidOutSize_{-1, -1};  // the client size of the latest layout
    std::string progressTextBefore_;
    ULONGLONG lastProgress_ = 0;  // tick count of the last progress shown
};

#endif

#ifndef PLUX_TOOLKIT_BARS_CUSTOMIZE_CUSTOMIZEPAGES_WIN_H
#define PLUX_TOOLKIT_BARS_CUSTOMIZE_CUSTOMIZEPAGES_WIN_H

// The pages of the customisation dialog. A page is a child window in the dialog's colour that holds the
// page's controls, which report to it; it changes the bars through the manager's operations and shows
// the manager's state again whenever the dialog tells it to (after every change of the model). Layouts
// are in dialog units of the bars' font.

#include <windows.h>

#include <memory>

#include "toolkit/bars/customize/CustomizeSession_win.h"
#include "toolkit/bars/view/BarView_win.h"
#include "toolkit/win/Controls_win.h"
#include "toolkit/win/Window_win.h"

class TCustomizePage : public TWindow {
public:
    TCustomizePage(const TBarViewContext& context, TCustomizeSession& session)
        : context_(context), session_(session), units_(context.Measure->Metrics(context.Font)) {}

    void Create(HWND dialog, const RECT& bounds);
    // Shows the manager's current state.
    virtual void Update() = 0;

protected:
    virtual void CreateControls(const TControlFactory& controls) = 0;
    TBarManager& Manager() const { return *context_.Manager; }
    // The dialog window, owner of the page's questions.
    HWND Dialog() const { return GetParent(Handle()); }

    const TBarViewContext& context_;
    TCustomizeSession& session_;
    TDialogUnits units_;
};

std::unique_ptr<TCustomizePage> MakeToolbarsPage(const TBarViewContext& context, TCustomizeSession& session);
std::unique_ptr<TCustomizePage> MakeCommandsPage(const TBarViewContext& context, TCustomizeSession& session);
std::unique_ptr<TCustomizePage> MakeOptionsPage(const TBarViewContext& context, TCustomizeSession& session);

#endif

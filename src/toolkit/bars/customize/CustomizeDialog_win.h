#ifndef PLUX_TOOLKIT_BARS_CUSTOMIZE_CUSTOMIZEDIALOG_WIN_H
#define PLUX_TOOLKIT_BARS_CUSTOMIZE_CUSTOMIZEDIALOG_WIN_H

// The customisation room of the bar engine: the dialog with its Toolbars, Commands and Options pages,
// the customising session that takes the bars' input while the dialog is open, and the menu of a link.
// It includes the model (model/), whose decisions it applies through the manager's operations, and the
// view (view/), whose hooks it implements; neither of them includes it.
//
// The dialog runs modally but leaves its owner enabled, so that the bars take the clicks, drags and
// right-clicks of the customising session, which lasts as long as the dialog. Its pages follow every
// change of the manager.

#include <windows.h>

#include "toolkit/bars/view/BarViews_win.h"

// The "Customize..." of one view: the dialog, owned by the window the view gives; nothing while a
// session of the view runs already.
class TBarCustomizer final : public TBarCustomization {
public:
    // Both outlive the customizer.
    TBarCustomizer(TBarViews& views, const TBarViewContext& context) : views_(views), context_(context) {}

    void Customize(HWND owner) override;

private:
    TBarViews& views_;
    const TBarViewContext& context_;
};

#endif

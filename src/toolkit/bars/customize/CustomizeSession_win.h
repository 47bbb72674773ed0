#ifndef PLUX_TOOLKIT_BARS_CUSTOMIZE_CUSTOMIZESESSION_WIN_H
#define PLUX_TOOLKIT_BARS_CUSTOMIZE_CUSTOMIZESESSION_WIN_H

// The bars while the customisation dialog is open. A click on a link selects it instead of running it;
// a link dragged to a place on a bar moves there, dragged off the bars it is removed; a right-click on a
// link opens its menu (delete, caption, paint style, begin group). The Commands page drags commands onto
// the bars through the same session. For its life the session is the view's input hook: the bar windows
// hand it their mouse messages first and let it paint its marks (the selected link, the place a drop
// would go) over their items.

#include <windows.h>

#include <optional>

#include "toolkit/bars/model/Customize.h"
#include "toolkit/bars/view/BarViews_win.h"

class TCustomizeSession final : public TBarInputHook {
public:
    TCustomizeSession(TBarViews& views, const TBarViewContext& context);
    ~TCustomizeSession() override;
    TCustomizeSession(const TCustomizeSession&) = delete;
    TCustomizeSession& operator=(const TCustomizeSession&) = delete;

    bool HandleBarMessage(TBarWindow& bar, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void PaintMarks(HDC dc, const TBarWindow& bar) const override;

    // A command dragged from a list: `capture` holds the mouse and hands its moves and its release here.
    void BeginCommandDrag(const TBarItem& command, HWND capture);
    bool Dragging() const { return dragging_; }
    void DragTo(POINT screen);
    void Drop(POINT screen);
    void CancelDrag();

private:
    struct TTarget {
        HWND Window = nullptr;
        TLinkDrop Place;
    };

    std::optional<TTarget> TargetAt(POINT screen) const;
    void Select(TLinkId link, HWND window);
    void SetMark(const std::optional<TTarget>& mark);
    void EndDrag();
    bool OnLinkPress(TBarWindow& bar, UINT message, LPARAM lParam);
    void ShowLinkMenu(TBarWindow& bar, TLinkId link, POINT screen);

    TBarViews& views_;
    const TBarViewContext& context_;
    TLinkId selected_{};
    HWND selectedWindow_ = nullptr;
    // A drag: of a command or of a link, from the window that holds the mouse.
    const TBarItem* dragCommand_ = nullptr;
    std::optional<TLinkId> dragLink_;
    HWND capture_ = nullptr;
    POINT pressedAt_{};
    bool dragging_ = false;
    std::optional<TTarget> mark_;
};

#endif

#include "toolkit/bars/view/BarViews_win.h"

#include <algorithm>

#include "toolkit/bars/model/BarKeyboard.h"
#include "toolkit/win/Handles_win.h"
#include "toolkit/win/Win32Error_win.h"

namespace {

constexpr UINT kCustomizeEntry = 0x7000;  // past the bars' entries, which count from 1

// Hides and hands over the windows whose bar is gone.
template <typename Window>
void Retire(std::vector<std::unique_ptr<Window>>& windows,
            const TBarManager& manager,
            std::vector<std::unique_ptr<TWindow>>& retired) {
    for (auto& window : windows) {
        if (manager.FindBar(window->Id()))
            continue;
        ShowWindow(window->Handle(), SW_HIDE);
        retired.push_back(std::move(window));
    }
    std::erase(windows, nullptr);
}

}  // namespace

TBarViews::TBarViews(const TBarViewContext& context) : context_(context) {
    context_.Manager->AddListener(*this);
}

TBarViews::~TBarViews() {
    context_.Manager->RemoveListener(*this);
}

void TBarViews::Create(HWND parent) {
    parent_ = parent;
    for (TDockingStyle side : {TDockingStyle::Top, TDockingStyle::Bottom, TDockingStyle::Left, TDockingStyle::Right}) {
        docks_.push_back(std::make_unique<TDockSite>(context_, AsOwner(), side));
        docks_.back()->Create(parent);
    }
    BarsChanged();
}

bool TBarViews::PreTranslate(const MSG& message) {
    retired_.clear();
    if (menuKeys_ && menuKeys_->PreTranslate(message))
        return true;
    return KeyboardFocusKey(message);
}

bool TBarViews::KeyboardFocusKey(const MSG& message) {
    if (message.message != WM_KEYDOWN)
        return false;
    if (message.wParam == VK_F6) {
        MoveKeyboardFocus(GetKeyState(VK_SHIFT) < 0);
        return true;
    }
    if (message.wParam != VK_RETURN && message.wParam != VK_ESCAPE)
        return false;
    return std::any_of(barWindows_.begin(), barWindows_.end(),
                       [](const auto& window) { return window->TakeFocusBackFromControl(); });
}

void TBarViews::MoveKeyboardFocus(bool backwards) {
    std::optional<TBarId> current;
    for (const auto& window : barWindows_)
        if (window->HasFocus() || window->HoldsControlWithFocus())
            current = window->Id();
    const std::optional<TBarId> next = NextKeyboardStop(KeyboardBarCycle(*context_.Manager), current, backwards);
    if (next)
        WindowOf(*next)->TakeFocus();
    else
        context_.Host->FocusContent();
}

bool TBarViews::HoldsWindow(HWND window) const {
    return std::any_of(floatWindows_.begin(), floatWindows_.end(), [&](const auto& floating) {
        return window == floating->Handle() || IsChild(floating->Handle(), window);
    });
}

void TBarViews::RepaintFloatWindows() const {
    for (const auto& floating : floatWindows_)
        RedrawWindow(floating->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

// Every bar window shows the hook's marks, or drops them.
void TBarViews::SetInputHook(TBarInputHook* hook) {
    inputHook_ = hook;
    for (const auto& window : barWindows_)
        InvalidateRect(window->Handle(), nullptr, FALSE);
}

void TBarViews::BarsChanged() {
    if (!parent_)
        return;
    RetireWindowsOfGoneBars();
    CreateWindowsOfNewBars();
    PutIntoHolders();
    context_.Host->DocksChanged();
}

void TBarViews::RetireWindowsOfGoneBars() {
    if (menuKeysBar_ && !context_.Manager->FindBar(menuKeysBar_->Id())) {
        menuKeys_.reset();
        menuKeysBar_ = nullptr;
    }
    Retire(barWindows_, *context_.Manager, retired_);
    Retire(floatWindows_, *context_.Manager, retired_);
}

void TBarViews::CreateWindowsOfNewBars() {
    for (std::size_t i = 0; i < context_.Manager->BarCount(); ++i) {
        const TBar& bar = context_.Manager->Bar(i);
        if (WindowOf(bar.Id))
            continue;
        auto window = std::make_unique<TBarWindow>(context_, AsOwner(), bar.Id);
        window->Create(DockOf(TDockingStyle::Top).Handle());
        if (bar.IsMainMenu && !menuKeys_) {
            menuKeys_ = std::make_unique<TMenuBarKeys>(*window);
            menuKeysBar_ = window.get();
        }
        barWindows_.push_back(std::move(window));
    }
}

// Docked bars go into their docks when the host places them; floating ones into their own windows now.
void TBarViews::PutIntoHolders() {
    for (std::size_t i = 0; i < context_.Manager->BarCount(); ++i) {
        const TBar& bar = context_.Manager->Bar(i);
        TBarWindow& window = *WindowOf(bar.Id);
        const auto floating =
            std::find_if(floatWindows_.begin(), floatWindows_.end(), [&](const auto& f) { return f->Id() == bar.Id; });
        if (bar.Visible && !bar.Docked()) {
            FloatWindowOf(bar.Id).Hold(window);
            continue;
        }
        if (floating != floatWindows_.end())
            (*floating)->Hide();
        if (!bar.Visible)
            ShowWindow(window.Handle(), SW_HIDE);
    }
}

RECT TBarViews::PlaceDocks(const RECT& area) {
    area_ = area;
    auto barsOn = [&](TDockingStyle side) {
        std::vector<TBarWindow*> windows;
        for (std::size_t i = 0; i < context_.Manager->BarCount(); ++i) {
            const TBar& bar = context_.Manager->Bar(i);
            if (bar.Visible && bar.DockingStyle == side)
                windows.push_back(WindowOf(bar.Id));
        }
        return windows;
    };
    const int width = std::max(0L, area.right - area.left);
    const int top = DockOf(TDockingStyle::Top).Arrange(barsOn(TDockingStyle::Top), width);
    const int bottom = DockOf(TDockingStyle::Bottom).Arrange(barsOn(TDockingStyle::Bottom), width);
    const int sideLength = std::max(0, static_cast<int>(area.bottom - area.top) - top - bottom);
    const int left = DockOf(TDockingStyle::Left).Arrange(barsOn(TDockingStyle::Left), sideLength);
    const int right = DockOf(TDockingStyle::Right).Arrange(barsOn(TDockingStyle::Right), sideLength);
    DockOf(TDockingStyle::Top).MoveTo(RECT{area.left, area.top, area.right, area.top + top});
    DockOf(TDockingStyle::Bottom).MoveTo(RECT{area.left, area.bottom - bottom, area.right, area.bottom});
    DockOf(TDockingStyle::Left).MoveTo(RECT{area.left, area.top + top, area.left + left, area.bottom - bottom});
    DockOf(TDockingStyle::Right).MoveTo(RECT{area.right - right, area.top + top, area.right, area.bottom - bottom});
    return RECT{area.left + left, area.top + top, area.right - right, area.bottom - bottom};
}

TBarWindow* TBarViews::WindowOf(TBarId bar) const {
    for (const auto& window : barWindows_)
        if (window->Id() == bar)
            return window.get();
    return nullptr;
}

TFloatWindow* TBarViews::FindFloatWindow(TBarId bar) const {
    for (const auto& window : floatWindows_)
        if (window->Id() == bar)
            return window.get();
    return nullptr;
}

TFloatWindow& TBarViews::FloatWindowOf(TBarId bar) {
    if (TFloatWindow* window = FindFloatWindow(bar))
        return *window;
    floatWindows_.push_back(std::make_unique<TFloatWindow>(context_, AsOwner(), bar));
    floatWindows_.back()->Create(parent_);
    return *floatWindows_.back();
}

TDockSite& TBarViews::DockOf(TDockingStyle side) const {
    for (const auto& dock : docks_)
        if (dock->Side() == side)
            return *dock;
    return *docks_.front();
}

// Every bar but the main menu can be hidden and shown from here.
void TBarViews::ShowBarsMenu(POINT screenPoint) {
    if (!context_.Manager->AllowCustomizing)
        return;
    TScopedMenu menu(CreatePopupMenu());
    if (!menu)
        ThrowLastError("CreatePopupMenu");
    for (std::size_t i = 0; i < context_.Manager->BarCount(); ++i) {
        const TBar& bar = context_.Manager->Bar(i);
        if (bar.IsMainMenu)
            continue;
        if (!AppendMenuA(menu.Get(), MF_STRING | (bar.Visible ? MF_CHECKED : MF_UNCHECKED), i + 1, bar.Caption.c_str()))
            ThrowLastError("AppendMenu");
    }
    const bool offersCustomize = customization_ && !inputHook_;
    if (offersCustomize && (!AppendMenuA(menu.Get(), MF_SEPARATOR, 0, nullptr) ||
                            !AppendMenuA(menu.Get(), MF_STRING, kCustomizeEntry, "&Customize...")))
        ThrowLastError("AppendMenu");
    const int picked = static_cast<int>(
        TrackPopupMenuEx(menu.Get(), TPM_RETURNCMD | TPM_RIGHTBUTTON, screenPoint.x, screenPoint.y, parent_, nullptr));
    if (picked == static_cast<int>(kCustomizeEntry) && offersCustomize) {
        customization_->Customize(GetAncestor(parent_, GA_ROOT));
        return;
    }
    if (picked <= 0 || static_cast<std::size_t>(picked) > context_.Manager->BarCount())
        return;
    const TBar& bar = context_.Manager->Bar(static_cast<std::size_t>(picked - 1));
    context_.Manager->SetBarVisible(bar.Id, !bar.Visible);
}

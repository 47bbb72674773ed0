#include "toolkit/StatusBar_win.h"

#include <windowsx.h>

#include <commctrl.h>

#include <algorithm>
#include <exception>

#include "toolkit/StatusBarLayout.h"
#include "toolkit/StatusBarPainter_win.h"
#include "toolkit/win/PaintHelpers_win.h"
#include "toolkit/win/SystemLook_win.h"
#include "toolkit/win/Win32Error_win.h"
#include "toolkit/win/Window_win.h"

namespace {

constexpr UINT_PTR kSubclassId = 1;
// The control draws a part's lowered or raised border one pixel wide.
constexpr int kPartBorderWidth = 1;

WPARAM BorderFlags(TStatusPanelBevel bevel) {
    switch (bevel) {
        case TStatusPanelBevel::None:
            return SBT_NOBORDERS;
        case TStatusPanelBevel::Raised:
            return SBT_POPOUT;
        case TStatusPanelBevel::Lowered:
            break;
    }
    return 0;
}

bool KeyToggledOn(TStatusPanelStyle style) {
    return (GetKeyState(LockKeyOf(style)) & 1) != 0;
}

INPUT KeyInput(WORD key, DWORD flags) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = flags;
    return input;
}

}  // namespace

TStatusBarWindow::~TStatusBarWindow() {
    if (handle_) {
        RemoveWindowSubclass(handle_, SubclassProc, kSubclassId);
        DestroyWindow(handle_);
    }
}

void TStatusBarWindow::Create(HWND parent) {
    // Placed and sized by the parent: the bar keeps the height it is given, whatever its font asks for.
    DWORD style = WS_CHILD | WS_VISIBLE | CCS_NORESIZE | CCS_NOPARENTALIGN;
    if (SizeGrip && (GetWindowLongA(parent, GWL_STYLE) & WS_THICKFRAME))
        style |= SBARS_SIZEGRIP;
    const HWND window = CreateWindowExA(0, STATUSCLASSNAMEA, nullptr, style, 0, 0, 0, 0, parent, nullptr,
                                        GetModuleHandleA(nullptr), nullptr);
    if (!window)
        ThrowLastError("CreateWindowEx(status bar)");
    if (!SetWindowSubclass(window, SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this))) {
        DestroyWindow(window);
        ThrowLastError("SetWindowSubclass(status bar)");
    }
    handle_ = window;
    SystemLookChanged();
    SendMessageA(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.Get(Font.Spec)), FALSE);
    if (Color != kColorBtnFace)
        SendMessageA(handle_, SB_SETBKCOLOR, 0, static_cast<LPARAM>(ResolveColor(Color)));
    RECT client;
    GetClientRect(handle_, &client);
    Resize(client.right, client.bottom);
}

// Windows draws no themes under high contrast; Wine does, so the bar leaves its theme itself.
void TStatusBarWindow::SystemLookChanged() {
    if (!handle_)
        return;
    if (HighContrast())
        SetWindowTheme(handle_, L"", L"");
    else
        SetWindowTheme(handle_, nullptr, nullptr);
    OpenTheme();
    InvalidateRect(handle_, nullptr, TRUE);
}

void TStatusBarWindow::OpenTheme() {
    theme_.Reset(HighContrast() ? nullptr : OpenThemeData(handle_, L"Status"));
}

std::size_t TStatusBarWindow::PartCount() const {
    return std::min<std::size_t>(Panels().Count(), kMaxStatusParts);
}

bool TStatusBarWindow::HasGrip() const {
    return (GetWindowLongA(handle_, GWL_STYLE) & SBARS_SIZEGRIP) != 0;
}

RECT TStatusBarWindow::PanelRect(const TStatusPanel& panel) const {
    RECT rect{};
    if (!handle_ || panel.Index() >= PartCount() ||
        !SendMessageA(handle_, SB_GETRECT, panel.Index(), reinterpret_cast<LPARAM>(&rect)))
        return RECT{};
    // A theme's pane brings its own border, which the panel draws again; without one the control's
    // border stays around the panel.
    if (!theme_ && panel.Bevel() != TStatusPanelBevel::None)
        InflateRect(&rect, -kPartBorderWidth, -kPartBorderWidth);
    if (panel.Index() + 1 == PartCount() && HasGrip())
        rect.right -= GripAllowance(GetSystemMetrics(SM_CXVSCROLL));
    return rect;
}

void TStatusBarWindow::SetPartText(const TStatusPanel& panel) {
    const std::string text = Content(panel, false).Text;
    SendMessageA(handle_, SB_SETTEXTA, panel.Index() | BorderFlags(panel.Bevel()),
                 reinterpret_cast<LPARAM>(text.c_str()));
}

void TStatusBarWindow::SetParts(const std::vector<int>& edges) {
    if (!handle_)
        return;
    SendMessageA(handle_, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
    if (Panels().Count() == 0)
        SendMessageA(handle_, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(""));
    for (std::size_t i = 0; i < PartCount(); ++i)
        SetPartText(Panels()[i]);
}

void TStatusBarWindow::InvalidateStrip(int left, int right) {
    if (!handle_)
        return;
    RECT client;
    GetClientRect(handle_, &client);
    const RECT strip{left, 0, right, client.bottom};
    InvalidateRect(handle_, &strip, FALSE);
}

void TStatusBarWindow::RepaintPanel(const TStatusPanel& panel) {
    if (!handle_ || !IsWindowVisible(handle_))
        return;
    TWindowDC screen(handle_);
    if (screen.Get())
        RepaintPanelOnto(screen.Get(), panel);
}

void TStatusBarWindow::RepaintPanelOnto(HDC target, const TStatusPanel& panel) {
    const RECT rect = PanelRect(panel);
    if (IsRectEmpty(&rect))
        return;
    TOffScreen buffer(target, rect);
    if (!buffer)
        return;  // shown at the next paint rather than drawn onto the bar piece by piece
    PaintPanel(buffer.DC(), panel);
    buffer.CopyToTarget();
}

void TStatusBarWindow::PanelChanged(const TStatusPanel& panel) {
    if (handle_ && panel.Index() < PartCount())
        SetPartText(panel);
    RepaintPanel(panel);
    NotifyAccessibleEvent(handle_, EVENT_OBJECT_NAMECHANGE, static_cast<int>(panel.Index()) + 1);
}

void TStatusBarWindow::RepaintBar() {
    if (!handle_)
        return;
    for (std::size_t i = 0; i < PartCount(); ++i)
        SetPartText(Panels()[i]);
    InvalidateRect(handle_, nullptr, FALSE);
}

// The key's press and release are queued for this thread like the user's; the key-state table is put
// back as it was, so that the lock toggles when the events arrive and the keyboard watch sees them.
void TStatusBarWindow::ToggleLock(TStatusPanelStyle style) {
    const WORD key = static_cast<WORD>(LockKeyOf(style));
    const DWORD extended =
        style == TStatusPanelStyle::NumLock || style == TStatusPanelStyle::OverWrite ? KEYEVENTF_EXTENDEDKEY : 0;
    BYTE keyState[256] = {};
    const bool saved = GetKeyboardState(keyState) != FALSE;
    INPUT inputs[] = {KeyInput(key, extended), KeyInput(key, extended | KEYEVENTF_KEYUP)};
    const UINT sent = SendInput(2, inputs, sizeof(INPUT));
    if (saved)
        SetKeyboardState(keyState);
    if (sent != 2)
        ThrowLastError("SendInput");
}

void TStatusBarWindow::PaintPanel(HDC dc, const TStatusPanel& panel) {
    const RECT rect = PanelRect(panel);
    if (IsRectEmpty(&rect))
        return;
    const bool lockOn = panel.Style() != TStatusPanelStyle::TextOnly && KeyToggledOn(panel.Style());
    NoteLockState(panel, lockOn);
    PaintStatusPanel(dc, rect, panel, Content(panel, lockOn), fonts_.Get(panel.Font().Spec), theme_.Get());
}

// The control draws its background, borders and grip first; the panels go over its parts.
void TStatusBarWindow::PaintBar(HDC dc) {
    DefSubclassProc(handle_, WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    for (std::size_t i = 0; i < PartCount(); ++i)
        PaintPanel(dc, Panels()[i]);
}

void TStatusBarWindow::NoteLockState(const TStatusPanel& panel, bool lockOn) {
    if (panel.Style() == TStatusPanelStyle::TextOnly)
        return;
    if (lockShown_.size() <= panel.Index())
        lockShown_.resize(panel.Index() + 1, -1);
    int& shown = lockShown_[panel.Index()];
    const bool changed = shown >= 0 && shown != static_cast<int>(lockOn);
    shown = lockOn ? 1 : 0;
    if (!changed)
        return;
    NotifyAccessibleEvent(handle_, EVENT_OBJECT_STATECHANGE, static_cast<int>(panel.Index()) + 1);
    NotifyAccessibleEvent(handle_, EVENT_OBJECT_VALUECHANGE, static_cast<int>(panel.Index()) + 1);
}

std::optional<TAccessibleNode> TStatusBarWindow::Node(const TAccessiblePath& path) const {
    if (path.empty()) {
        TAccessibleNode node = DescribeBar();
        RECT client{};
        GetClientRect(handle_, &client);
        node.Bounds = FromRect(client);
        return node;
    }
    if (path.size() != 1 || path[0] < 0 || static_cast<std::size_t>(path[0]) >= Panels().Count())
        return std::nullopt;
    const TStatusPanel& panel = Panels()[static_cast<std::size_t>(path[0])];
    TAccessibleNode node =
        DescribePanel(panel, panel.Style() != TStatusPanelStyle::TextOnly && KeyToggledOn(panel.Style()));
    node.Bounds = FromRect(PanelRect(panel));
    return node;
}

void TStatusBarWindow::Paint() {
    TPaintScope paint(handle_);
    RECT client;
    GetClientRect(handle_, &client);
    PaintOffScreen(paint.DC(), client, [&](HDC dc) { PaintBar(dc); });
}

LRESULT TStatusBarWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            Paint();
            return 0;
        case WM_PRINTCLIENT:  // PrintWindow and window animations ask for the picture on their own DC
            PaintBar(reinterpret_cast<HDC>(wParam));
            return 0;
        case WM_ERASEBKGND:
            return 1;  // the painting covers the whole bar
        case WM_SIZE: {
            const LRESULT result = DefSubclassProc(handle_, message, wParam, lParam);
            Resize(LOWORD(lParam), HIWORD(lParam));
            return result;
        }
        case WM_LBUTTONUP:
            Click(GET_X_LPARAM(lParam));
            break;
        case WM_LBUTTONDBLCLK:
            DblClick(GET_X_LPARAM(lParam));
            break;
        case WM_THEMECHANGED:
            OpenTheme();
            InvalidateRect(handle_, nullptr, FALSE);
            break;
        case WM_GETOBJECT: {
            LRESULT result = 0;
            if (access_.Answer(handle_, wParam, lParam, result))
                return result;
            break;
        }
        case WM_NCDESTROY: {
            const HWND window = handle_;
            RemoveWindowSubclass(window, SubclassProc, kSubclassId);
            handle_ = nullptr;
            theme_.Reset();
            return DefSubclassProc(window, message, wParam, lParam);
        }
        default:
            break;
    }
    return DefSubclassProc(handle_, message, wParam, lParam);
}

// No exception leaves the control's messages.
LRESULT CALLBACK
TStatusBarWindow::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self) {
    try {
        return reinterpret_cast<TStatusBarWindow*>(self)->HandleMessage(message, wParam, lParam);
    } catch (const std::exception& error) {
        ReportWindowError(error.what());
    } catch (...) {
        ReportWindowError("Unexpected error");
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

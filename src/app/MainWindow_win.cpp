#include "app/MainWindow_win.h"

#include <commctrl.h>

#include <algorithm>

#include "app/ActionKeys_win.h"
#include "app/ErrorBox.h"
#include "app/MainBars.h"
#include "app/MainStatusBar.h"
#include "app/Resources.h"
#include "check/ReportBuilder.h"
#include "toolkit/Exception.h"
#include "toolkit/html/Document.h"
#include "toolkit/win/SystemLook_win.h"
#include "toolkit/win/Win32Error_win.h"

namespace {

constexpr const char* kMainWindowClass = "TfrmPLUX";
constexpr int kDesignLeft = 227;
constexpr int kDesignTop = 114;
constexpr int kDesignWidth = 696;
constexpr int kDesignHeight = 480;
constexpr int kDesignFontHeight = -11;
constexpr const char* kDesignFontName = "MS Sans Serif";
constexpr int kStatusBarHeight = 20;
constexpr int kReportViewId = 100;

// The bars use the system's menu font.
TFontSpec MenuFontSpec() {
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof metrics;
    if (!SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
        return TFontSpec{"Tahoma", -11};  // the manager's own font
    return TFontSpec{metrics.lfMenuFont.lfFaceName, metrics.lfMenuFont.lfHeight};
}

}  // namespace

TfrmPLUX::TfrmPLUX() : measureDC_(CreateCompatibleDC(nullptr)), barMeasure_(measureDC_.Get()) {
    if (!measureDC_)
        ThrowLastError("CreateCompatibleDC");
    const int pixelsPerInch = ScreenPixelsPerInch();
    windowFont_ = TFontSpec{kDesignFontName, ScaledFontHeight(kDesignFontHeight, pixelsPerInch)};
    scale_ = DesignScaleFor(pixelsPerInch, barMeasure_.Metrics(windowFont_).Height);

    ImageList = std::make_unique<TGlyphList>(TGlyphList::kUsualSize,
                                             std::initializer_list<int>{IDB_GLYPH_EXIT_DOOR, IDB_GLYPH_PAGE_WITH_LINES,
                                                                        IDB_GLYPH_PRINTER, IDB_GLYPH_FLOPPY_DISK});
    LargeImageList = std::make_unique<TGlyphList>(
        TGlyphList::kLargeSize, std::initializer_list<int>{IDB_GLYPH_EXIT_DOOR_LARGE, IDB_GLYPH_PAGE_WITH_LINES_LARGE,
                                                           IDB_GLYPH_PRINTER_LARGE, IDB_GLYPH_FLOPPY_DISK_LARGE});
    BuildMainBars(BarManager, scale_);
    BuildMainStatusBar(StatusBar, windowFont_, scale_);
    barContext_.Manager = &BarManager;
    barContext_.Host = this;
    barContext_.Glyphs = ImageList.get();
    barContext_.LargeGlyphs = LargeImageList.get();
    barContext_.Measure = &barMeasure_;
    barContext_.Font = MenuFontSpec();
    barContext_.FontHandle = fonts_.Get(barContext_.Font);
    barContext_.Metrics = TBarMetrics{}.Scaled(scale_.Numerator, scale_.Denominator);
    accelerators_ = CreateActionAccelerators();
}

TfrmPLUX::~TfrmPLUX() = default;

void TfrmPLUX::Create(HWND applicationWindow, int showCommand) {
    const HICON icon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_PLUX));
    RegisterWindowClass(kMainWindowClass, CS_HREDRAW | CS_VREDRAW, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)),
                        icon);
    const int left = scale_.Apply(kDesignLeft), top = scale_.Apply(kDesignTop);
    const RECT bounds{left, top, left + scale_.Apply(kDesignWidth), top + scale_.Apply(kDesignHeight)};
    CreateHandle(0, kMainWindowClass, "", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, bounds, applicationWindow);
    // The members are laid out once, for the loaded bar layout and the restored placement.
    layoutHeld_ = true;
    CreateMembers();
    CreateStateMembers(applicationWindow);
    RunCreationSteps();
    layoutHeld_ = false;
    LayOutMembers();
    formWindow_->ShowFirst(showCommand);
    UpdateWindow(Handle());
}

void TfrmPLUX::CreateMembers() {
    barViews_ = std::make_unique<TBarViews>(barContext_);
    barCustomizer_ = std::make_unique<TBarCustomizer>(*barViews_, barContext_);
    barViews_->SetCustomization(barCustomizer_.get());
    barViews_->Create(Handle());
    Panel1.Create(Handle(), RGB(0xFF, 0xFF, 0xFF));
    HTMLViewer.Create(Panel1.Handle(), kReportViewId, "Report");
    const std::optional<html::TColour> difference = html::ParseColour(kDifferenceColour);
    HTMLViewer.SetCellNote([difference](const html::TCell& cell) { return cell.Background == difference; },
                           "differs from snapshot");
    StatusBar.Create(Handle());
}

// The status bar along the bottom, the docks along the edges above it, and between them Panel1 with the
// report view inside its bevel.
void TfrmPLUX::LayOutMembers() {
    if (!barViews_ || !StatusBar.Handle() || layoutHeld_)
        return;
    RECT client;
    GetClientRect(Handle(), &client);
    laidOutSize_ = SIZE{client.right, client.bottom};
    const int statusHeight = scale_.Apply(kStatusBarHeight);
    MoveWindow(StatusBar.Handle(), 0, client.bottom - statusHeight, client.right, statusHeight, TRUE);
    const RECT free = barViews_->PlaceDocks(RECT{0, 0, client.right, std::max(0L, client.bottom - statusHeight)});
    MoveWindow(Panel1.Handle(), free.left, free.top, std::max(0L, free.right - free.left),
               std::max(0L, free.bottom - free.top), TRUE);
    const RECT inside = Panel1.Inside();
    MoveWindow(HTMLViewer.Handle(), inside.left, inside.top, std::max(0L, inside.right - inside.left),
               std::max(0L, inside.bottom - inside.top), TRUE);
}

// High contrast on or off, or other system colours: everything Plux paints itself paints again.
void TfrmPLUX::SystemLookChanged() {
    RereadSystemLook();
    StatusBar.SystemLookChanged();
    if (barViews_)
        barViews_->RepaintFloatWindows();
    RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

bool TfrmPLUX::PreTranslateMessage(MSG& message) {
    if (!Handle())
        return false;
    const bool ours = message.hwnd == Handle() || IsChild(Handle(), message.hwnd) ||
                      (barViews_ && barViews_->HoldsWindow(message.hwnd));
    if (!ours)
        return false;
    if (barViews_ && barViews_->PreTranslate(message))
        return true;
    return TranslateAcceleratorA(Handle(), accelerators_.Get(), &message) != 0;
}

// Exit closes the way the close box does; posted, so that the bar or menu that ran it is left first.
void TfrmPLUX::actionFileExitExecute() {
    PostMessageA(Handle(), WM_CLOSE, 0, 0);
}

const TBarItem& TfrmPLUX::BarItem(std::string_view name) const {
    const TBarItem* item = BarManager.FindItem(name);
    if (!item)
        throw Exception("No bar item " + std::string(name));
    return *item;
}

LRESULT TfrmPLUX::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SIZE:
            // Showing the window tells its size again; the members keep their places for an unchanged one.
            if (laidOutSize_.cx != LOWORD(lParam) || laidOutSize_.cy != HIWORD(lParam))
                LayOutMembers();
            return 0;
        case WM_COMMAND:
            if (lParam == 0)
                ExecuteCommand(LOWORD(wParam));  // menus, shortcuts and bar items
            return 0;
        case WM_SYSCOMMAND:
            // The task bar shows the application window, so that is what minimises; it hides this one.
            if ((wParam & 0xFFF0) == SC_MINIMIZE) {
                SendMessageA(GetWindow(Handle(), GW_OWNER), WM_SYSCOMMAND, SC_MINIMIZE, 0);
                return 0;
            }
            return DefaultHandling(message, wParam, lParam);
        case WM_ACTIVATE:
        case WM_SETFOCUS:
            if (focusMemory_.HandleMessage(Handle(), message, wParam))
                return 0;
            return DefaultHandling(message, wParam, lParam);
        case WM_SETCURSOR:
            return SetWaitCursor() ? TRUE : DefaultHandling(message, wParam, lParam);
        case WM_CLOSE:
            // The running command's objects live in this window until its end.
            if (commandRunning_) {
                closeDeferred_ = true;
                return 0;
            }
            if (FormCloseQuery())
                DestroyWindow(Handle());
            return 0;
        case WM_SETTINGCHANGE:
        case WM_SYSCOLORCHANGE:
            SystemLookChanged();
            return DefaultHandling(message, wParam, lParam);
        case WM_QUERYENDSESSION:
            return TRUE;
        case WM_ENDSESSION:
            if (wParam)
                FormEndSession();
            return 0;
        case WM_DESTROY:
            SaveUnsavedState();
            FormDestroy();
            PostQuitMessage(0);
            return 0;
        default:
            return DefaultHandling(message, wParam, lParam);
    }
}

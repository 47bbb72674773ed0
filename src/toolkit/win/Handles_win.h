#ifndef PLUX_TOOLKIT_WIN_HANDLES_WIN_H
#define PLUX_TOOLKIT_WIN_HANDLES_WIN_H

#include <windows.h>

#include <utility>

// A movable, non-copyable owner of one Win32 handle, released by Close.
template <typename Handle, BOOL (*Close)(Handle)>
class TScopedHandle {
public:
    TScopedHandle() = default;
    explicit TScopedHandle(Handle handle) : handle_(handle) {}
    TScopedHandle(TScopedHandle&& other) noexcept : handle_(std::exchange(other.handle_, Handle{})) {}
    TScopedHandle& operator=(TScopedHandle&& other) noexcept {
        if (this != &other) Reset(std::exchange(other.handle_, Handle{}));
        return *this;
    }
    TScopedHandle(const TScopedHandle&) = delete;
    TScopedHandle& operator=(const TScopedHandle&) = delete;
    ~TScopedHandle() { Reset(); }

    Handle Get() const { return handle_; }
    explicit operator bool() const { return handle_ != Handle{} && handle_ != INVALID_HANDLE_VALUE; }
    void Reset(Handle handle = Handle{}) {
        if (*this) Close(handle_);
        handle_ = handle;
    }

private:
    Handle handle_{};
};

namespace handles {
inline BOOL CloseKey(HKEY key) { return RegCloseKey(key) == ERROR_SUCCESS; }
inline BOOL CloseFindHandle(HANDLE find) { return FindClose(find); }
template <typename GdiObject>
BOOL DeleteGdiObject(GdiObject object) { return DeleteObject(object); }
}  // namespace handles

using TScopedKey = TScopedHandle<HKEY, handles::CloseKey>;
using TScopedFile = TScopedHandle<HANDLE, CloseHandle>;
using TScopedFind = TScopedHandle<HANDLE, handles::CloseFindHandle>;
using TScopedFont = TScopedHandle<HFONT, handles::DeleteGdiObject<HFONT>>;
using TScopedBitmap = TScopedHandle<HBITMAP, handles::DeleteGdiObject<HBITMAP>>;
using TScopedBrush = TScopedHandle<HBRUSH, handles::DeleteGdiObject<HBRUSH>>;
using TScopedPen = TScopedHandle<HPEN, handles::DeleteGdiObject<HPEN>>;
using TScopedMemoryDC = TScopedHandle<HDC, DeleteDC>;
using TScopedMenu = TScopedHandle<HMENU, DestroyMenu>;
using TScopedIcon = TScopedHandle<HICON, DestroyIcon>;
using TScopedAccelerators = TScopedHandle<HACCEL, DestroyAcceleratorTable>;

// Selects a GDI object into a device context and puts the previous one back.
class TSelection {
public:
    TSelection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~TSelection() {
        if (previous_ && previous_ != HGDI_ERROR) SelectObject(dc_, previous_);
    }
    TSelection(const TSelection&) = delete;
    TSelection& operator=(const TSelection&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// BeginPaint and EndPaint around one WM_PAINT.
class TPaintScope {
public:
    explicit TPaintScope(HWND window) : window_(window) { dc_ = BeginPaint(window, &paint_); }
    ~TPaintScope() { EndPaint(window_, &paint_); }
    TPaintScope(const TPaintScope&) = delete;
    TPaintScope& operator=(const TPaintScope&) = delete;
    HDC DC() const { return dc_; }
    const RECT& Area() const { return paint_.rcPaint; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_ = nullptr;
};

#endif

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
        if (this != &other)
            Reset(std::exchange(other.handle_, Handle{}));
        return *this;
    }
    TScopedHandle(const TScopedHandle&) = delete;
    TScopedHandle& operator=(const TScopedHandle&) = delete;
    ~TScopedHandle() { Reset(); }

    Handle Get() const { return handle_; }
    explicit operator bool() const { return handle_ != Handle{} && handle_ != INVALID_HANDLE_VALUE; }
    void Reset(Handle handle = Handle{}) {
        if (*this)
            Close(handle_);
        handle_ = handle;
    }

private:
    Handle handle_{};
};

namespace handles {
inline BOOL CloseKey(HKEY key) {
    return RegCloseKey(key) == ERROR_SUCCESS;
}
inline BOOL CloseFindHandle(HANDLE find) {
    return FindClose(find);
}
inline BOOL DeleteFont(HFONT font) {
    return DeleteObject(font);
}
inline BOOL DeleteBitmap(HBITMAP bitmap) {
    return DeleteObject(bitmap);
}
inline BOOL DeleteRegion(HRGN region) {
    return DeleteObject(region);
}
inline BOOL DeleteBrush(HBRUSH brush) {
    return DeleteObject(brush);
}
}  // namespace handles

using TScopedKey = TScopedHandle<HKEY, handles::CloseKey>;
using TScopedFile = TScopedHandle<HANDLE, CloseHandle>;
using TScopedFind = TScopedHandle<HANDLE, handles::CloseFindHandle>;
using TScopedFont = TScopedHandle<HFONT, handles::DeleteFont>;
using TScopedBitmap = TScopedHandle<HBITMAP, handles::DeleteBitmap>;
using TScopedRegion = TScopedHandle<HRGN, handles::DeleteRegion>;
using TScopedDC = TScopedHandle<HDC, DeleteDC>;  // from CreateDC or CreateCompatibleDC
using TScopedBrush = TScopedHandle<HBRUSH, handles::DeleteBrush>;
using TScopedMenu = TScopedHandle<HMENU, DestroyMenu>;
using TScopedAccelerators = TScopedHandle<HACCEL, DestroyAcceleratorTable>;
using TScopedHook = TScopedHandle<HHOOK, UnhookWindowsHookEx>;

// A window's device context from GetDC, released to its window.
class TWindowDC {
public:
    explicit TWindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~TWindowDC() {
        if (dc_)
            ReleaseDC(window_, dc_);
    }
    TWindowDC(const TWindowDC&) = delete;
    TWindowDC& operator=(const TWindowDC&) = delete;
    HDC Get() const { return dc_; }

private:
    HWND window_ = nullptr;
    HDC dc_ = nullptr;
};

// Selects an object into a device context and puts the previous one back on leaving the scope, so the
// object can be deleted after.
class TSelectObject {
public:
    TSelectObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~TSelectObject() {
        if (previous_ && previous_ != HGDI_ERROR)
            SelectObject(dc_, previous_);
    }
    TSelectObject(const TSelectObject&) = delete;
    TSelectObject& operator=(const TSelectObject&) = delete;

private:
    HDC dc_ = nullptr;
    HGDIOBJ previous_ = nullptr;
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
    HWND window_ = nullptr;
    PAINTSTRUCT paint_{};
    HDC dc_ = nullptr;
};

#endif

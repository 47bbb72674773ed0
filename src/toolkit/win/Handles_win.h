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
}  // namespace handles

using TScopedKey = TScopedHandle<HKEY, handles::CloseKey>;
using TScopedFile = TScopedHandle<HANDLE, CloseHandle>;
using TScopedFind = TScopedHandle<HANDLE, handles::CloseFindHandle>;

#endif

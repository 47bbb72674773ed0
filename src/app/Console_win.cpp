#include "app/Console_win.h"

#include <windows.h>

#include <algorithm>

namespace {

bool IsUsable(HANDLE handle) {
    return handle != nullptr && handle != INVALID_HANDLE_VALUE && GetFileType(handle) != FILE_TYPE_UNKNOWN;
}

// A windowed program gets standard handles only when its starter redirected them; otherwise it
// borrows the console of the parent process.
HANDLE StandardHandle(DWORD which) {
    const HANDLE inherited = GetStdHandle(which);
    if (IsUsable(inherited))
        return inherited;
    static const bool attached = AttachConsole(ATTACH_PARENT_PROCESS) != FALSE;
    if (!attached)
        return nullptr;
    static const HANDLE console = CreateFileA("CONOUT$", GENERIC_READ | GENERIC_WRITE,
                                              FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    return IsUsable(console) ? console : nullptr;
}

bool WriteAll(HANDLE handle, std::string_view text) {
    if (handle == nullptr)
        return false;
    while (!text.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(text.size(), 1u << 20));
        DWORD written = 0;
        if (!WriteFile(handle, text.data(), chunk, &written, nullptr) || written == 0)
            return false;
        text.remove_prefix(written);
    }
    return true;
}

}  // namespace

bool WriteStandardOutput(std::string_view text) {
    return WriteAll(StandardHandle(STD_OUTPUT_HANDLE), text);
}

void WriteStandardError(std::string_view text) {
    WriteAll(StandardHandle(STD_ERROR_HANDLE), text);
}

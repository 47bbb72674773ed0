#ifndef PLUX_TOOLKIT_WIN_WIN32ERROR_WIN_H
#define PLUX_TOOLKIT_WIN_WIN32ERROR_WIN_H

#include <windows.h>

#include <string_view>

// Raises Exception "<operation> failed: <the system's text for the code>".
[[noreturn]] void ThrowWin32Error(std::string_view operation, DWORD code);
// The same for GetLastError().
[[noreturn]] void ThrowLastError(std::string_view operation);

#endif

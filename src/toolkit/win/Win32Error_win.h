#ifndef PLUX_TOOLKIT_WIN_WIN32ERROR_WIN_H
#define PLUX_TOOLKIT_WIN_WIN32ERROR_WIN_H

#include <string_view>

// Raises Exception with the operation's name and the system's text for GetLastError().
[[noreturn]] void ThrowLastError(std::string_view operation);

#endif

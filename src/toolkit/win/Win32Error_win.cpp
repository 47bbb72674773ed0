#include "toolkit/win/Win32Error_win.h"

#include <string>

#include "toolkit/Exception.h"

void ThrowWin32Error(std::string_view operation, DWORD code) {
    char* buffer = nullptr;
    const DWORD length =
        FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, code, 0, reinterpret_cast<char*>(&buffer), 0, nullptr);
    std::string text = length ? std::string(buffer, length) : "error " + std::to_string(code);
    LocalFree(buffer);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == '.'))
        text.pop_back();
    throw Exception(std::string(operation) + " failed: " + text);
}

void ThrowLastError(std::string_view operation) {
    ThrowWin32Error(operation, GetLastError());
}

#ifndef PLUX_APP_CONSOLE_WIN_H
#define PLUX_APP_CONSOLE_WIN_H

#include <string_view>

// Standard output and error of a windowed program: the handles it was started with, or else the
// console of the parent process, when it has one.
bool WriteStandardOutput(std::string_view text);
void WriteStandardError(std::string_view text);

#endif

#ifndef PLUX_APP_EXPORTPLATFORM_WIN_H
#define PLUX_APP_EXPORTPLATFORM_WIN_H

#include <string>
#include <string_view>

// What the export asks of the platform beyond the check itself.
// A text of the ANSI code page in UTF-8.
std::string AnsiToUtf8(std::string_view text);
// Minutes the local time is ahead of UTC at this moment, daylight saving included.
int LocalUtcOffsetMinutes();

#endif

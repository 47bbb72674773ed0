#include "app/ExportPlatform_win.h"

#include <windows.h>

#include <vector>

#include "support/DataText.h"

// Most texts are plain ASCII, which is the same in both; they skip the two conversions.
std::string AnsiToUtf8(std::string_view text) {
    if (IsAscii(text))
        return std::string(text);
    const int size = static_cast<int>(text.size());
    const int wideLength = MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0);
    std::vector<wchar_t> wide(static_cast<std::size_t>(wideLength));
    MultiByteToWideChar(CP_ACP, 0, text.data(), size, wide.data(), wideLength);
    const int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, utf8.data(), length, nullptr, nullptr);
    return utf8;
}

// The difference of the two clocks at one instant, so the offset in force now counts, not the zone's
// standard one.
int LocalUtcOffsetMinutes() {
    FILETIME utc;
    GetSystemTimeAsFileTime(&utc);
    FILETIME local;
    if (!FileTimeToLocalFileTime(&utc, &local))
        return 0;
    const auto ticks = [](const FILETIME& time) {
        return static_cast<long long>((static_cast<unsigned long long>(time.dwHighDateTime) << 32) |
                                      time.dwLowDateTime);
    };
    constexpr long long kTicksPerMinute = 60LL * 10000000LL;
    return static_cast<int>((ticks(local) - ticks(utc)) / kTicksPerMinute);
}

#include "support/DateTime.h"

#include <cstdio>

namespace {

std::string Digits(int value, int width) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%0*d", width, value);
    return buffer;
}

// Length of the run of `letter` (either case) starting at `at`.
std::size_t RunLength(std::string_view format, std::size_t at) {
    const char letter = static_cast<char>(format[at] | 0x20);
    std::size_t end = at;
    while (end < format.size() && static_cast<char>(format[end] | 0x20) == letter)
        ++end;
    return end - at;
}

}  // namespace

std::string FormatDateTime(std::string_view format, const TDateTime& when, const TLocaleFormats& locale) {
    std::string out;
    const auto dayIndex = static_cast<std::size_t>(((when.DayOfWeek % 7) + 7) % 7);
    std::size_t i = 0;
    while (i < format.size()) {
        const char c = format[i];
        const char lower = static_cast<char>(c | 0x20);
        if (c == '"' || c == '\'') {
            const std::size_t close = format.find(c, i + 1);
            const std::size_t end = close == std::string_view::npos ? format.size() : close;
            out.append(format.substr(i + 1, end - i - 1));
            i = end + 1;
            continue;
        }
        if (c == '/' || c == ':') {
            out.append(c == '/' ? locale.DateSeparator : locale.TimeSeparator);
            ++i;
            continue;
        }
        if (lower != 'd' && lower != 'm' && lower != 'y' && lower != 'h' && lower != 'n' && lower != 's') {
            out.push_back(c);
            ++i;
            continue;
        }
        const std::size_t run = RunLength(format, i);
        switch (lower) {
            case 'd':
                if (run >= 4)
                    out.append(locale.LongDayNames[dayIndex]);
                else if (run == 3)
                    out.append(locale.ShortDayNames[dayIndex]);
                else
                    out.append(Digits(when.Day, static_cast<int>(run)));
                break;
            case 'm':
                out.append(Digits(when.Month, run >= 2 ? 2 : 1));
                break;
            case 'y':
                out.append(run >= 3 ? Digits(when.Year, 4) : Digits(when.Year % 100, 2));
                break;
            case 'h':
                out.append(Digits(when.Hour, run >= 2 ? 2 : 1));
                break;
            case 'n':
                out.append(Digits(when.Minute, run >= 2 ? 2 : 1));
                break;
            default:
                out.append(Digits(when.Second, run >= 2 ? 2 : 1));
                break;
        }
        i += run;
    }
    return out;
}

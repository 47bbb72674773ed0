#include "support/DateTime.h"

#include <algorithm>
#include <cstdio>
#include <optional>

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

std::size_t DayIndex(const TDateTime& when) {
    return static_cast<std::size_t>(((when.DayOfWeek % 7) + 7) % 7);
}

std::size_t MonthIndex(const TDateTime& when) {
    return static_cast<std::size_t>(((when.Month - 1) % 12 + 12) % 12);
}

// One or two digits by the length of the run.
std::string Number(int value, std::size_t run) {
    return Digits(value, run >= 2 ? 2 : 1);
}

// Two digits for a run of one or two, all four for a longer one.
std::string Year(const TDateTime& when, std::size_t run) {
    return run >= 3 ? Digits(when.Year, 4) : Digits(when.Year % 100, 2);
}

// Copies the quoted text that starts at `at` and moves `at` past its closing quote (or to the end).
void AppendQuoted(std::string& out, std::string_view pattern, std::size_t& at) {
    ++at;
    while (at < pattern.size()) {
        if (pattern[at] != '\'') {
            out.push_back(pattern[at++]);
        } else if (at + 1 < pattern.size() && pattern[at + 1] == '\'') {
            out.push_back('\'');
            at += 2;
        } else {
            ++at;
            return;
        }
    }
}

// The text of one run of a pattern letter, or nothing when the letter is not one of the pattern's.
using TLetterFormatter = std::optional<std::string> (*)(char letter,
                                                        std::size_t run,
                                                        const TDateTime& when,
                                                        const TLocaleFormats& locale);

std::optional<std::string> DateLetter(char letter,
                                      std::size_t run,
                                      const TDateTime& when,
                                      const TLocaleFormats& locale) {
    switch (letter) {
        case 'd':
            if (run >= 3)
                return run == 3 ? locale.ShortDayNames[DayIndex(when)] : locale.LongDayNames[DayIndex(when)];
            return Number(when.Day, run);
        case 'M':
            if (run >= 3)
                return run == 3 ? locale.ShortMonthNames[MonthIndex(when)] : locale.LongMonthNames[MonthIndex(when)];
            return Number(when.Month, run);
        case 'y':
            return Year(when, run);
        default:
            return std::nullopt;
    }
}

std::optional<std::string> TimeLetter(char letter,
                                      std::size_t run,
                                      const TDateTime& when,
                                      const TLocaleFormats& locale) {
    const std::string& designator = when.Hour < 12 ? locale.TimeAMString : locale.TimePMString;
    switch (letter) {
        case 'h':
            return Number(when.Hour % 12 == 0 ? 12 : when.Hour % 12, run);
        case 'H':
            return Number(when.Hour, run);
        case 'm':
            return Number(when.Minute, run);
        case 's':
            return Number(when.Second, run);
        case 't':
            return run >= 2 ? designator : designator.substr(0, 1);
        default:
            return std::nullopt;
    }
}

std::string FormatLocalePattern(std::string_view pattern,
                                const TDateTime& when,
                                const TLocaleFormats& locale,
                                TLetterFormatter formatLetter) {
    std::string out;
    std::size_t at = 0;
    while (at < pattern.size()) {
        const char letter = pattern[at];
        if (letter == '\'') {
            AppendQuoted(out, pattern, at);
            continue;
        }
        std::size_t run = 1;
        while (at + run < pattern.size() && pattern[at + run] == letter)
            ++run;
        if (const auto text = formatLetter(letter, std::min<std::size_t>(run, 4), when, locale)) {
            out.append(*text);
            at += run;
        } else {
            out.push_back(letter);
            ++at;
        }
    }
    return out;
}

}  // namespace

std::string FormatDateTime(std::string_view format, const TDateTime& when, const TLocaleFormats& locale) {
    std::string out;
    const std::size_t dayIndex = DayIndex(when);
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
                    out.append(Number(when.Day, run));
                break;
            case 'm':
                out.append(Number(when.Month, run));
                break;
            case 'y':
                out.append(Year(when, run));
                break;
            case 'h':
                out.append(Number(when.Hour, run));
                break;
            case 'n':
                out.append(Number(when.Minute, run));
                break;
            default:
                out.append(Number(when.Second, run));
                break;
        }
        i += run;
    }
    return out;
}

std::string FormatLocaleDate(std::string_view pattern, const TDateTime& when, const TLocaleFormats& locale) {
    return FormatLocalePattern(pattern, when, locale, DateLetter);
}

std::string FormatLocaleTime(std::string_view pattern, const TDateTime& when, const TLocaleFormats& locale) {
    return FormatLocalePattern(pattern, when, locale, TimeLetter);
}

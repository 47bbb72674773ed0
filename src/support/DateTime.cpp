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

// What a parse has read so far; the date's fields stay 0 when the text holds none.
struct TReadMoment {
    TDateTime When{0, 0, 0, 0, 0, 0, 0};
    bool TwelveHour = false;
    bool Afternoon = false;
};

enum class TLetterRead { NotALetter, Read, Failed };

// Reads the text of one run of a pattern letter from the front of `text`.
using TLetterParser = TLetterRead (*)(char letter,
                                      std::size_t run,
                                      std::string_view& text,
                                      TReadMoment& moment,
                                      const TLocaleFormats& locale);

// From `least` to `most` digits at the front of the text.
TLetterRead TakeNumber(std::string_view& text, std::size_t least, std::size_t most, int& value) {
    std::size_t length = 0;
    value = 0;
    while (length < most && length < text.size() && text[length] >= '0' && text[length] <= '9')
        value = value * 10 + (text[length++] - '0');
    text.remove_prefix(length);
    return length >= least ? TLetterRead::Read : TLetterRead::Failed;
}

// What Number wrote: one or two digits for a run of one, two for a longer one.
TLetterRead TakeNumber(std::string_view& text, std::size_t run, int& value) {
    return TakeNumber(text, run >= 2 ? 2 : 1, 2, value);
}

// The longest of the names that the text starts with; `index` is its place.
template <std::size_t Count>
TLetterRead TakeName(std::string_view& text, const std::array<std::string, Count>& names, int& index) {
    std::size_t longest = 0;
    for (std::size_t i = 0; i < Count; ++i) {
        if (!names[i].empty() && names[i].size() > longest && text.starts_with(names[i])) {
            longest = names[i].size();
            index = static_cast<int>(i);
        }
    }
    text.remove_prefix(longest);
    return longest > 0 ? TLetterRead::Read : TLetterRead::Failed;
}

TLetterRead ReadDateLetter(char letter,
                           std::size_t run,
                           std::string_view& text,
                           TReadMoment& moment,
                           const TLocaleFormats& locale) {
    TDateTime& when = moment.When;
    int index = 0;
    switch (letter) {
        case 'd':
            if (run >= 3)  // the day's name follows from the date
                return TakeName(text, run == 3 ? locale.ShortDayNames : locale.LongDayNames, index);
            return TakeNumber(text, run, when.Day);
        case 'M':
            if (run >= 3) {
                const TLetterRead read =
                    TakeName(text, run == 3 ? locale.ShortMonthNames : locale.LongMonthNames, index);
                when.Month = index + 1;
                return read;
            }
            return TakeNumber(text, run, when.Month);
        case 'y': {
            const std::size_t digits = run >= 3 ? 4 : 2;
            const TLetterRead read = TakeNumber(text, digits, digits, when.Year);
            if (digits == 2)
                when.Year += 2000;
            return read;
        }
        default:
            return TLetterRead::NotALetter;
    }
}

TLetterRead ReadTimeLetter(char letter,
                           std::size_t run,
                           std::string_view& text,
                           TReadMoment& moment,
                           const TLocaleFormats& locale) {
    TDateTime& when = moment.When;
    switch (letter) {
        case 'h':
            moment.TwelveHour = true;
            return TakeNumber(text, run, when.Hour);
        case 'H':
            return TakeNumber(text, run, when.Hour);
        case 'm':
            return TakeNumber(text, run, when.Minute);
        case 's':
            return TakeNumber(text, run, when.Second);
        case 't':
            for (const bool afternoon : {false, true}) {
                const std::string& designator = afternoon ? locale.TimePMString : locale.TimeAMString;
                const std::string written = run >= 2 ? designator : designator.substr(0, 1);
                if (!written.empty() && text.starts_with(written)) {
                    text.remove_prefix(written.size());
                    moment.Afternoon = afternoon;
                    return TLetterRead::Read;
                }
            }
            return locale.TimeAMString.empty() && locale.TimePMString.empty() ? TLetterRead::Read : TLetterRead::Failed;
        default:
            return TLetterRead::NotALetter;
    }
}

// Reads what FormatLocalePattern wrote from the front of `text`.
bool ParseLocalePattern(std::string_view pattern,
                        std::string_view& text,
                        TReadMoment& moment,
                        const TLocaleFormats& locale,
                        TLetterParser parseLetter) {
    std::size_t at = 0;
    while (at < pattern.size()) {
        std::string literal;
        if (pattern[at] == '\'') {
            AppendQuoted(literal, pattern, at);
        } else {
            const char letter = pattern[at];
            std::size_t run = 1;
            while (at + run < pattern.size() && pattern[at + run] == letter)
                ++run;
            const TLetterRead read = parseLetter(letter, std::min<std::size_t>(run, 4), text, moment, locale);
            if (read == TLetterRead::Failed)
                return false;
            if (read == TLetterRead::Read) {
                at += run;
                continue;
            }
            literal.push_back(letter);
            ++at;
        }
        if (!text.starts_with(literal))
            return false;
        text.remove_prefix(literal.size());
    }
    return true;
}

std::optional<TDateTime> CalendarMoment(const TReadMoment& moment) {
    TDateTime when = moment.When;
    if (moment.TwelveHour) {
        if (when.Hour < 1 || when.Hour > 12)
            return std::nullopt;
        when.Hour = when.Hour % 12 + (moment.Afternoon ? 12 : 0);
    }
    if (!IsCalendarDate(when.Year, when.Month, when.Day) || when.Hour > 23 || when.Minute > 59 || when.Second > 59)
        return std::nullopt;
    when.DayOfWeek = DayOfWeek(when.Year, when.Month, when.Day);
    return when;
}

}  // namespace

bool IsCalendarDate(int year, int month, int day) {
    constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (year < 1 || month < 1 || month > 12 || day < 1)
        return false;
    const bool leapYear = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return day <= (month == 2 && leapYear ? 29 : kDays[month - 1]);
}

// Sakamoto's method.
int DayOfWeek(int year, int month, int day) {
    constexpr int kMonthOffsets[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    if (month < 3)
        --year;
    return (year + year / 4 - year / 100 + year / 400 + kMonthOffsets[month - 1] + day) % 7;
}

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

std::optional<TDateTime> ParseLocaleDateTime(std::string_view text,
                                             std::string_view datePattern,
                                             std::string_view timePattern,
                                             const TLocaleFormats& locale) {
    TReadMoment moment;
    if (!ParseLocalePattern(datePattern, text, moment, locale, ReadDateLetter))
        return std::nullopt;
    if (!text.empty()) {
        if (!text.starts_with(' '))
            return std::nullopt;
        text.remove_prefix(1);
        if (!ParseLocalePattern(timePattern, text, moment, locale, ReadTimeLetter) || !text.empty())
            return std::nullopt;
    }
    return CalendarMoment(moment);
}

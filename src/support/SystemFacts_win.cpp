#include "support/SystemFacts.h"

#include <windows.h>

#include <shlobj.h>

#include <string>
#include <vector>

namespace {

std::string LocaleText(LCTYPE item, const char* fallback) {
    char buffer[128];
    const int length = GetLocaleInfoA(LOCALE_USER_DEFAULT, item, buffer, sizeof buffer);
    return length > 1 ? std::string(buffer, static_cast<std::size_t>(length - 1)) : std::string(fallback);
}

class TWin32SystemFacts final : public TSystemFacts {
public:
    // Room for 25 characters including the NUL; a longer name counts as unreadable.
    std::string ComputerName() const override {
        char buffer[25];
        DWORD size = sizeof buffer;
        if (!GetComputerNameA(buffer, &size))
            return {};
        return std::string(buffer, size);
    }

    std::string UserName() const override {
        DWORD size = 0;
        GetUserNameA(nullptr, &size);
        if (size == 0)
            return {};
        std::vector<char> buffer(size);
        if (!GetUserNameA(buffer.data(), &size))
            return {};
        return std::string(buffer.data());
    }

    // The buffer grows until the whole path fits, however long it is.
    std::string ExecutablePath() const override {
        std::vector<char> buffer(MAX_PATH);
        for (;;) {
            const DWORD length = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
            if (length == 0)
                return {};
            if (length < buffer.size())
                return std::string(buffer.data(), length);
            buffer.resize(buffer.size() * 2);
        }
    }

    TDateTime Now() const override {
        SYSTEMTIME time;
        GetLocalTime(&time);
        return TDateTime{time.wYear, time.wMonth, time.wDay, time.wHour, time.wMinute, time.wSecond, time.wDayOfWeek};
    }

    TLocaleFormats LocaleFormats() const override {
        TLocaleFormats formats;
        // The locale numbers its day names from Monday (1) to Sunday (7); ours start on Sunday.
        for (int day = 0; day < 7; ++day) {
            const int localeDay = (day + 6) % 7;
            auto& shortName = formats.ShortDayNames[static_cast<std::size_t>(day)];
            auto& longName = formats.LongDayNames[static_cast<std::size_t>(day)];
            shortName = LocaleText(static_cast<LCTYPE>(LOCALE_SABBREVDAYNAME1 + localeDay), shortName.c_str());
            longName = LocaleText(static_cast<LCTYPE>(LOCALE_SDAYNAME1 + localeDay), longName.c_str());
        }
        for (int month = 0; month < 12; ++month) {
            auto& shortName = formats.ShortMonthNames[static_cast<std::size_t>(month)];
            auto& longName = formats.LongMonthNames[static_cast<std::size_t>(month)];
            shortName = LocaleText(static_cast<LCTYPE>(LOCALE_SABBREVMONTHNAME1 + month), shortName.c_str());
            longName = LocaleText(static_cast<LCTYPE>(LOCALE_SMONTHNAME1 + month), longName.c_str());
        }
        // A locale without designators (a 24-hour one) gives empty texts, which is what it means.
        formats.TimeAMString = LocaleText(LOCALE_S1159, "");
        formats.TimePMString = LocaleText(LOCALE_S2359, "");
        formats.DateSeparator = LocaleText(LOCALE_SDATE, "/");
        formats.TimeSeparator = LocaleText(LOCALE_STIME, ":");
        // The patterns keep the platform's letters: FormatLocaleDate and FormatLocaleTime read them.
        formats.ShortDateFormat = LocaleText(LOCALE_SSHORTDATE, formats.ShortDateFormat.c_str());
        formats.LongTimeFormat = LocaleText(LOCALE_STIMEFORMAT, formats.LongTimeFormat.c_str());
        return formats;
    }

    // The folder's item list belongs to us and goes back to the shell on every path.
    std::optional<std::string> SpecialFolder(int csidl) const override {
        LPITEMIDLIST items = nullptr;
        if (FAILED(SHGetSpecialFolderLocation(nullptr, csidl, &items)) || items == nullptr)
            return std::nullopt;
        char path[MAX_PATH] = {};
        const BOOL converted = SHGetPathFromIDListA(items, path);
        CoTaskMemFree(items);
        if (!converted)
            return std::nullopt;
        return std::string(path);
    }

    std::string CurrentDirectory() const override {
        const DWORD size = GetCurrentDirectoryA(0, nullptr);
        if (size == 0)
            return {};
        std::vector<char> buffer(size);
        const DWORD length = GetCurrentDirectoryA(size, buffer.data());
        if (length == 0 || length >= size)
            return {};
        return std::string(buffer.data(), length);
    }
};

}  // namespace

TSystemFacts& PlatformSystemFacts() {
    static TWin32SystemFacts facts;
    return facts;
}

#include "app/ExportText.h"

#include <cstdio>
#include <cstdlib>

std::string IsoDateTime(const TDateTime& when, int utcOffsetMinutes) {
    const int offset = std::abs(utcOffsetMinutes);
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d%c%02d:%02d", when.Year, when.Month, when.Day,
                  when.Hour, when.Minute, when.Second, utcOffsetMinutes < 0 ? '-' : '+', offset / 60, offset % 60);
    return text;
}

std::string StatusText(const std::optional<TProductStatus>& status) {
    if (!status)
        return {};
    switch (*status) {
        case TProductStatus::Same:
            return "same";
        case TProductStatus::Changed:
            return "changed";
        case TProductStatus::New:
            return "new";
        case TProductStatus::Removed:
            return "removed";
    }
    return {};
}

std::string ChangeText(TVersionChange change) {
    switch (change) {
        case TVersionChange::None:
            return {};
        case TVersionChange::Upgrade:
            return "upgrade";
        case TVersionChange::Downgrade:
            return "downgrade";
        case TVersionChange::NotComparable:
            return "not comparable";
    }
    return {};
}

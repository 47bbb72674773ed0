#include "fleet/FleetSource.h"

namespace {

// Days from 1970-01-01 to the given date of the proleptic Gregorian calendar (H. Hinnant's
// days_from_civil), for any year a file can hold.
std::int64_t DaysFromCivil(std::int64_t year, int month, int day) {
    year -= month <= 2 ? 1 : 0;
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const std::int64_t yearOfEra = year - era * 400;
    const std::int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

}  // namespace

std::int64_t MomentOf(const TDateTime& local, int utcOffsetMinutes) {
    const std::int64_t days = DaysFromCivil(local.Year, local.Month, local.Day);
    return days * 86400 + local.Hour * 3600 + local.Minute * 60 + local.Second -
           static_cast<std::int64_t>(utcOffsetMinutes) * 60;
}

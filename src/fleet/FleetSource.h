#ifndef PLUX_FLEET_FLEETSOURCE_H
#define PLUX_FLEET_FLEETSOURCE_H

#include <cstdint>
#include <optional>
#include <string>

#include "check/ProductList.h"
#include "support/DateTime.h"

// One column of the team matrix: the products one file brought from one machine at one time, whatever
// kind of file it was.
struct TFleetSource {
    std::string Machine;                 // as the file names it, or the file's name without extension
    std::string Time;                    // as shown: the check time, the snapshot's timestamp text, the file's time
    std::optional<std::int64_t> Moment;  // the same time in seconds since 1970-01-01 UTC, where it is known
    std::string Source;                  // the file's path
    TProductList Products;
};

// Seconds since 1970-01-01 00:00 UTC of a local time that is utcOffsetMinutes ahead of UTC.
std::int64_t MomentOf(const TDateTime& local, int utcOffsetMinutes);

#endif

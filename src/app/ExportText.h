#ifndef PLUX_APP_EXPORTTEXT_H
#define PLUX_APP_EXPORTTEXT_H

#include <optional>
#include <string>
#include <string_view>

#include "check/Comparison.h"
#include "support/DataText.h"
#include "support/DateTime.h"

// The words the JSON and CSV reports use, the same in both and free of any locale.
// "2024-05-01T10:00:00+02:00"
std::string IsoDateTime(const TDateTime& when, int utcOffsetMinutes);
// "same", "changed", "new", "removed"; empty without a status.
std::string StatusText(const std::optional<TProductStatus>& status);
// "upgrade", "downgrade", "not comparable"; empty when the version did not change.
std::string ChangeText(TVersionChange change);

#endif

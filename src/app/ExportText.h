#ifndef PLUX_APP_EXPORTTEXT_H
#define PLUX_APP_EXPORTTEXT_H

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include <vector>

#include "check/Comparison.h"
#include "policy/PolicyCheck.h"
#include "support/DataText.h"
#include "support/DateTime.h"

// The words the JSON and CSV reports use, the same in both and free of any locale.
// "2024-05-01T10:00:00+02:00"
std::string IsoDateTime(const TDateTime& when, int utcOffsetMinutes);
// "same", "changed", "new", "removed"; empty without a status.
std::string StatusText(const std::optional<TProductStatus>& status);
// "upgrade", "downgrade", "not comparable"; empty when the version did not change.
std::string ChangeText(TVersionChange change);

// The comparison's products as a check against required versions takes them, removed ones as not
// installed.
std::vector<TPolicyProduct> PolicyProducts(const TComparison& comparison);

// A row of the JSON and CSV reports: a product of the comparison, or one that a rule names and no
// machine has (only its name and family known), with its verdict when there are required versions.
// The product is the comparison's own, so a report of many products copies none of them.
struct TReportRow {
    const TComparedProduct& Product;
    const TProductVerdict* Verdict = nullptr;
};

// `verdicts` is what CheckRequiredVersions gives for PolicyProducts(comparison), or empty without
// required versions: one row per product of the comparison in its order, then one per rule that
// named none of them, each given to `visit` in turn.
void ForEachReportRow(const TComparison& comparison,
                      const std::vector<TProductVerdict>& verdicts,
                      const std::function<void(const TReportRow&)>& visit);
// How many rows ForEachReportRow gives.
std::size_t ReportRowCount(const TComparison& comparison, const std::vector<TProductVerdict>& verdicts);

#endif

#include "app/CsvReport.h"

#include <array>

#include "policy/PolicySummary.h"
#include "support/DataText.h"

namespace {

constexpr std::array<std::string_view, 13> kColumns = {
    "Computer", "User",    "Checked at", "Snapshot",         "Snapshot saved at",
    "Product",  "Family",  "Version",    "Snapshot version", "Status",
    "Change",   "Verdict", "Rule"};

}  // namespace

std::string CsvReport(const TComparison& comparison,
                      const std::vector<TProductVerdict>& verdicts,
                      const TToUtf8& toUtf8) {
    std::string text(kUtf8ByteOrderMark);
    std::array<std::string, kColumns.size()> row;
    for (std::size_t i = 0; i < kColumns.size(); ++i)
        row[i] = kColumns[i];
    AppendCsvRow(text, row);

    const TCheckFacts& facts = comparison.Facts;
    const auto optional = [&](const std::optional<std::string>& value) { return value ? toUtf8(*value) : ""; };
    ForEachReportRow(comparison, verdicts, [&](const TReportRow& reportRow) {
        const TComparedProduct& product = reportRow.Product;
        const TProductVerdict* verdict = reportRow.Verdict;
        row = {toUtf8(facts.Computer),
               optional(facts.User),
               IsoDateTime(facts.CheckedAt, facts.UtcOffsetMinutes),
               optional(comparison.SnapshotName),
               optional(comparison.SnapshotSavedAt),
               toUtf8(product.Name),
               toUtf8(product.Family),
               optional(product.Version),
               optional(product.SnapshotVersion),
               StatusText(product.Status),
               ChangeText(product.Change),
               verdict ? std::string(VerdictText(verdict->Verdict)) : "",
               verdict && verdict->Rule ? toUtf8(ShownRule(*verdict)) : ""};
        AppendCsvRow(text, row);
    });
    return text;
}

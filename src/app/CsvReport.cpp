#include "app/CsvReport.h"

#include <array>

#include "policy/PolicySummary.h"

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::array<std::string_view, 13> kColumns = {
    "Computer", "User",    "Checked at", "Snapshot",         "Snapshot saved at",
    "Product",  "Family",  "Version",    "Snapshot version", "Status",
    "Change",   "Verdict", "Rule"};

// Spreadsheet programs run a cell that begins with one of these as a formula, and the names and
// versions come from outside (the registry, a snapshot file): such a cell gets an apostrophe before it,
// which those programs take for "text" and do not show.
constexpr std::string_view kFormulaStarts = "=+-@\t\r";

// Guarded against formulas; then quoted when it holds a quote, a comma, a line break or blanks at an
// end, which readers might drop.
std::string Field(std::string_view cell) {
    const bool formula = !cell.empty() && kFormulaStarts.find(cell.front()) != std::string_view::npos;
    const std::string text = formula ? "'" + std::string(cell) : std::string(cell);
    const bool plain = text.find_first_of("\",\r\n") == std::string::npos &&
                       (text.empty() || (text.front() != ' ' && text.back() != ' '));
    if (plain)
        return text;
    std::string field = "\"";
    for (const char c : text) {
        if (c == '"')
            field += '"';
        field += c;
    }
    return field + "\"";
}

void AppendRow(std::string& text, const std::array<std::string, kColumns.size()>& fields) {
    for (std::size_t i = 0; i < fields.size(); ++i)
        text.append(i == 0 ? "" : ",").append(Field(fields[i]));
    text += "\r\n";
}

}  // namespace

std::string CsvReport(const TComparison& comparison,
                      const std::vector<TProductVerdict>& verdicts,
                      const TToUtf8& toUtf8) {
    std::string text(kByteOrderMark);
    std::array<std::string, kColumns.size()> row;
    for (std::size_t i = 0; i < kColumns.size(); ++i)
        row[i] = kColumns[i];
    AppendRow(text, row);

    const TCheckFacts& facts = comparison.Facts;
    const auto optional = [&](const std::optional<std::string>& value) { return value ? toUtf8(*value) : ""; };
    for (const TReportRow& reportRow : ReportRows(comparison, verdicts)) {
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
        AppendRow(text, row);
    }
    return text;
}

#include "policy/PolicySummary.h"

#include <algorithm>

namespace {

std::string ViolationLine(const TProductVerdict& verdict) {
    std::string line = std::string(VerdictText(verdict.Verdict)) + ": " + verdict.Product;
    if (verdict.Version)
        line += verdict.Version->empty() ? " (no version)" : " " + *verdict.Version;
    const TRequiredRule& rule = *verdict.Rule;
    line += ", rule ";
    if (rule.Key != verdict.Product)
        line += rule.Key + "=";
    return line + rule.Text + "\r\n";
}

std::string CountOf(const std::vector<TProductVerdict>& verdicts, TVerdict verdict) {
    const auto count = std::count_if(verdicts.begin(), verdicts.end(),
                                     [verdict](const TProductVerdict& row) { return row.Verdict == verdict; });
    return std::to_string(count) + " " + std::string(VerdictText(verdict));
}

}  // namespace

std::string PolicySummary(const std::vector<TProductVerdict>& verdicts) {
    std::string summary;
    for (const TProductVerdict& verdict : verdicts) {
        if (IsViolation(verdict.Verdict))
            summary += ViolationLine(verdict);
    }
    const auto violations = std::count_if(verdicts.begin(), verdicts.end(),
                                          [](const TProductVerdict& row) { return IsViolation(row.Verdict); });
    summary +=
        "Required versions: " + std::to_string(violations) + (violations == 1 ? " violation (" : " violations (");
    summary += CountOf(verdicts, TVerdict::TooOld) + ", " + CountOf(verdicts, TVerdict::TooNew) + ", " +
               CountOf(verdicts, TVerdict::Missing) + ", " + CountOf(verdicts, TVerdict::Forbidden) + "), ";
    return summary + CountOf(verdicts, TVerdict::Ok) + ", " + CountOf(verdicts, TVerdict::Unchecked) + "\r\n";
}

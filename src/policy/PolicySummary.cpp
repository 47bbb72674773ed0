#include "policy/PolicySummary.h"

#include <algorithm>

namespace {

std::string ViolationLine(const TProductVerdict& verdict) {
    std::string line = std::string(VerdictText(verdict.Verdict)) + ": " + verdict.Product;
    if (verdict.Version)
        line += verdict.Version->empty() ? " (no version)" : " " + *verdict.Version;
    return line + ", rule " + ShownRule(verdict) + "\r\n";
}

std::string CountOf(const std::vector<TProductVerdict>& verdicts, TVerdict verdict) {
    const auto count = std::count_if(verdicts.begin(), verdicts.end(),
                                     [verdict](const TProductVerdict& row) { return row.Verdict == verdict; });
    return std::to_string(count) + " " + std::string(VerdictText(verdict));
}

}  // namespace

std::string ShownRule(const TProductVerdict& verdict) {
    const TRequiredRule& rule = *verdict.Rule;
    return rule.Key == verdict.Product ? rule.Text : rule.Key + "=" + rule.Text;
}

std::string PolicyCounts(const std::vector<TProductVerdict>& verdicts) {
    const auto violations = std::count_if(verdicts.begin(), verdicts.end(),
                                          [](const TProductVerdict& row) { return IsViolation(row.Verdict); });
    std::string counts =
        "Required versions: " + std::to_string(violations) + (violations == 1 ? " violation (" : " violations (");
    counts += CountOf(verdicts, TVerdict::TooOld) + ", " + CountOf(verdicts, TVerdict::TooNew) + ", " +
              CountOf(verdicts, TVerdict::Missing) + ", " + CountOf(verdicts, TVerdict::Forbidden) + "), ";
    return counts + CountOf(verdicts, TVerdict::Ok) + ", " + CountOf(verdicts, TVerdict::Unchecked);
}

std::string PolicySummary(const std::vector<TProductVerdict>& verdicts) {
    std::string summary;
    for (const TProductVerdict& verdict : verdicts) {
        if (IsViolation(verdict.Verdict))
            summary += ViolationLine(verdict);
    }
    return summary + PolicyCounts(verdicts) + "\r\n";
}

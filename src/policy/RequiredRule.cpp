#include "policy/RequiredRule.h"

#include <algorithm>
#include <vector>

#include "support/ProfileLine.h"
#include "support/TextRoutines.h"

namespace {

// What can start a bound: the four operators, and the characters of the ones people try instead
// ("=", "==", "=>", "!=", "~", "^"), so that those are refused by name rather than read as versions.
constexpr std::string_view kOperatorCharacters = "<>=!~^";
// A rule holding one of these anywhere is a list of bounds, never an exact version.
constexpr std::string_view kComparisonCharacters = "<>=";
constexpr std::string_view kVersionEnd = " \t<>=!~^";

struct TOperatorName {
    std::string_view Text;
    TBoundOperator Operator;
};

constexpr TOperatorName kOperators[] = {
    {">=", TBoundOperator::AtLeast},
    {">", TBoundOperator::Above},
    {"<=", TBoundOperator::AtMost},
    {"<", TBoundOperator::Below},
};

// The length of the run at the front of `text` that holds none of `stops`.
std::size_t RunUntil(std::string_view text, std::string_view stops) {
    return std::min(text.find_first_of(stops), text.size());
}

std::string Quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

bool IsLowerBound(TBoundOperator op) {
    return op == TBoundOperator::AtLeast || op == TBoundOperator::Above;
}

// Takes the bound at the front of `text`: an operator, blanks allowed, and a version that ends at a
// blank or at the next operator (">=4.10<5" reads as two bounds).
std::string TakeBound(std::string_view& text, std::vector<TVersionBound>& bounds) {
    const std::size_t operatorLength = std::min(text.find_first_not_of(kOperatorCharacters), text.size());
    const std::string_view written = text.substr(0, operatorLength);
    if (written.empty())
        return "Bound without an operator: " + Quoted(text.substr(0, RunUntil(text, kVersionEnd)));
    const auto known = std::find_if(std::begin(kOperators), std::end(kOperators),
                                    [written](const TOperatorName& name) { return name.Text == written; });
    if (known == std::end(kOperators))
        return "Unknown operator " + Quoted(written);
    text = ini::TrimProfile(text.substr(operatorLength));
    const std::size_t versionLength = RunUntil(text, kVersionEnd);
    if (versionLength == 0)
        return "Version missing after " + Quoted(written);
    bounds.push_back({known->Operator, std::string(text.substr(0, versionLength))});
    text = ini::TrimProfile(text.substr(versionLength));
    return {};
}

std::string ParseBounds(std::string_view text, TRequiredRule& rule) {
    std::vector<TVersionBound> bounds;
    while (!text.empty()) {
        if (std::string fault = TakeBound(text, bounds); !fault.empty())
            return fault;
    }
    if (bounds.size() > 2)
        return "More than two bounds";
    for (TVersionBound& bound : bounds) {
        std::optional<TVersionBound>& slot = IsLowerBound(bound.Operator) ? rule.Lower : rule.Upper;
        if (slot)
            return "A range needs one lower and one upper bound";
        slot = std::move(bound);
    }
    rule.Kind = TRuleKind::Bounds;
    return {};
}

}  // namespace

// A version alone may hold blanks ("2024 R1"): only bounds are split at them.
std::string ParseRule(std::string_view text, TRequiredRule& rule) {
    text = ini::TrimProfile(text);
    if (text.empty())
        return "Rule missing";
    if (SameTextUpper(text, "present")) {
        rule.Kind = TRuleKind::Present;
        return {};
    }
    if (SameTextUpper(text, "absent")) {
        rule.Kind = TRuleKind::Absent;
        return {};
    }
    if (kOperatorCharacters.find(text.front()) != std::string_view::npos ||
        text.find_first_of(kComparisonCharacters) != std::string_view::npos)
        return ParseBounds(text, rule);
    rule.Kind = TRuleKind::Exact;
    rule.Version = std::string(text);
    return {};
}

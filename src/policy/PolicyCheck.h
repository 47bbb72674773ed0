#ifndef PLUX_POLICY_POLICYCHECK_H
#define PLUX_POLICY_POLICYCHECK_H

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "policy/RequiredVersions.h"

// The products of a check held against a required-versions file: one verdict per product, and the
// rule that decided it.

enum class TVerdict { Ok, TooOld, TooNew, Missing, Forbidden, Unchecked };

// "ok", "too old", "too new", "missing", "forbidden", "unchecked": the words of every report.
std::string_view VerdictText(TVerdict verdict);
// Too old, too new, missing and forbidden fail a build.
bool IsViolation(TVerdict verdict);

// A product as a check knows it; no version when it is not installed (a snapshot's removed product).
struct TPolicyProduct {
    std::string Name;
    std::optional<std::string> Version;
};

struct TProductVerdict {
    std::string Product;                 // the product's name; for a rule no product matches, its key
    std::optional<std::string> Version;  // nothing when not installed
    TVerdict Verdict = TVerdict::Unchecked;
    std::optional<TRequiredRule> Rule;  // the rule that decided; nothing when unchecked
};

// One verdict per product in the given order, then one per rule whose key matches none of them, in
// file order (missing, or ok for "absent").
std::vector<TProductVerdict> CheckRequiredVersions(const TRequiredVersions& required,
                                                   const std::vector<TPolicyProduct>& products);

bool HasViolations(const std::vector<TProductVerdict>& verdicts);

#endif

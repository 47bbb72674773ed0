#ifndef PLUX_POLICY_POLICYCHECK_H
#define PLUX_POLICY_POLICYCHECK_H

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "policy/RequiredVersions.h"

// The products of a check held against a required-versions file: one verdict per product, and the
// rule that decided it. Names match keys as ProductNameMatch.h has it; the product's own name decides
// first, then the matching pattern with the most characters other than wildcards. Versions are ordered
// by CompareVersions; an exact rule holds when the versions are the same once trimmed. An installed
// version that cannot be ordered against a rule's version fails the rule: too old against a lower bound
// or an exact version (so is one that orders equal but reads otherwise, "04.1" for "4.1"), too new
// against an upper bound; a range checks its lower bound first.

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

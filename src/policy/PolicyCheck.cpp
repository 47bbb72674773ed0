#include "policy/PolicyCheck.h"

#include <algorithm>
#include <unordered_map>

#include "check/SameVersion.h"
#include "check/VersionOrder.h"
#include "policy/ProductNameMatch.h"

namespace {

bool Meets(std::string_view version, const TVersionBound& bound) {
    const TVersionOrder order = CompareVersions(version, bound.Version);
    switch (bound.Operator) {
        case TBoundOperator::AtLeast:
            return order == TVersionOrder::Higher || order == TVersionOrder::Equal;
        case TBoundOperator::Above:
            return order == TVersionOrder::Higher;
        case TBoundOperator::AtMost:
            return order == TVersionOrder::Lower || order == TVersionOrder::Equal;
        case TBoundOperator::Below:
            return order == TVersionOrder::Lower;
    }
    return false;
}

// A version that cannot be ordered against the rule's fails it, since nothing shows that it meets it:
// against a lower bound it is too old, against an upper bound too new, and against an exact version
// too old unless it orders above it ("04.1" orders equal to "4.1" but is not that version: too old).
TVerdict Judge(const TRequiredRule& rule, const std::optional<std::string>& version) {
    if (!version)
        return rule.Kind == TRuleKind::Absent ? TVerdict::Ok : TVerdict::Missing;
    switch (rule.Kind) {
        case TRuleKind::Present:
            return TVerdict::Ok;
        case TRuleKind::Absent:
            return TVerdict::Forbidden;
        case TRuleKind::Exact:
            if (SameVersion(*version, rule.Version))
                return TVerdict::Ok;
            return CompareVersions(*version, rule.Version) == TVersionOrder::Higher ? TVerdict::TooNew
                                                                                    : TVerdict::TooOld;
        case TRuleKind::Bounds:
            if (rule.Lower && !Meets(*version, *rule.Lower))
                return TVerdict::TooOld;
            if (rule.Upper && !Meets(*version, *rule.Upper))
                return TVerdict::TooNew;
            return TVerdict::Ok;
    }
    return TVerdict::Unchecked;
}

// The rules with their keys as the lookup compares them; remembers which keys named any product.
class TRuleIndex {
public:
    explicit TRuleIndex(const TRequiredVersions& required) : rules_(required.Rules), named_(rules_.size(), false) {
        for (std::size_t i = 0; i < rules_.size(); ++i) {
            std::string key = ProductNameKey(rules_[i].Key);
            if (IsNamePattern(key)) {
                const std::size_t weight = PatternWeight(key);
                patterns_.push_back({std::move(key), weight, i});
            } else {
                exact_.emplace(std::move(key), i);
            }
        }
    }

    // The rule whose key is the name (a pattern too, when the name holds its wildcards), else the
    // matching pattern with the most characters other than wildcards, the first in the file of equal ones.
    const TRequiredRule* Decide(std::string_view name) {
        const std::string key = ProductNameKey(name);
        std::optional<std::size_t> exact;
        if (const auto found = exact_.find(key); found != exact_.end())
            exact = found->second;
        std::optional<std::size_t> best;
        std::size_t bestWeight = 0;
        for (const TPattern& pattern : patterns_) {
            if (!MatchesNamePattern(pattern.Key, key))
                continue;
            named_[pattern.Rule] = true;
            if (pattern.Key == key && !exact)
                exact = pattern.Rule;
            if (!best || pattern.Weight > bestWeight) {
                best = pattern.Rule;
                bestWeight = pattern.Weight;
            }
        }
        const std::optional<std::size_t> decided = exact ? exact : best;
        if (!decided)
            return nullptr;
        named_[*decided] = true;
        return &rules_[*decided];
    }

    // Rules whose key matched no product, in file order.
    std::vector<const TRequiredRule*> Unmatched() const {
        std::vector<const TRequiredRule*> unmatched;
        for (std::size_t i = 0; i < rules_.size(); ++i) {
            if (!named_[i])
                unmatched.push_back(&rules_[i]);
        }
        return unmatched;
    }

private:
    struct TPattern {
        std::string Key;
        std::size_t Weight = 0;
        std::size_t Rule = 0;
    };

    const std::vector<TRequiredRule>& rules_;
    std::vector<bool> named_;
    std::unordered_map<std::string, std::size_t> exact_;
    std::vector<TPattern> patterns_;  // in file order
};

}  // namespace

std::string_view VerdictText(TVerdict verdict) {
    switch (verdict) {
        case TVerdict::Ok:
            return "ok";
        case TVerdict::TooOld:
            return "too old";
        case TVerdict::TooNew:
            return "too new";
        case TVerdict::Missing:
            return "missing";
        case TVerdict::Forbidden:
            return "forbidden";
        case TVerdict::Unchecked:
            return "unchecked";
    }
    return {};
}

bool IsViolation(TVerdict verdict) {
    return verdict == TVerdict::TooOld || verdict == TVerdict::TooNew || verdict == TVerdict::Missing ||
           verdict == TVerdict::Forbidden;
}

std::vector<TProductVerdict> CheckRequiredVersions(const TRequiredVersions& required,
                                                   const std::vector<TPolicyProduct>& products) {
    TRuleIndex index(required);
    std::vector<TProductVerdict> verdicts;
    verdicts.reserve(products.size());
    for (const TPolicyProduct& product : products) {
        TProductVerdict& verdict = verdicts.emplace_back();
        verdict.Product = product.Name;
        verdict.Version = product.Version;
        if (const TRequiredRule* rule = index.Decide(product.Name)) {
            verdict.Verdict = Judge(*rule, product.Version);
            verdict.Rule = *rule;
        }
    }
    for (const TRequiredRule* rule : index.Unmatched())
        verdicts.push_back({rule->Key, std::nullopt, Judge(*rule, std::nullopt), *rule});
    return verdicts;
}

bool HasViolations(const std::vector<TProductVerdict>& verdicts) {
    return std::any_of(verdicts.begin(), verdicts.end(),
                       [](const TProductVerdict& verdict) { return IsViolation(verdict.Verdict); });
}

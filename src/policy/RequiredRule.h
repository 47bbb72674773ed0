#ifndef PLUX_POLICY_REQUIREDRULE_H
#define PLUX_POLICY_REQUIREDRULE_H

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// One rule of a required-versions file: a product name or a pattern of "*" and "?", and what the
// product's version must be.
enum class TRuleKind { Exact, Bounds, Present, Absent };
enum class TBoundOperator { AtLeast, Above, AtMost, Below };  // >=, >, <=, <

struct TVersionBound {
    TBoundOperator Operator = TBoundOperator::AtLeast;
    std::string Version;
};

struct TRequiredRule {
    std::string Key;       // the product name or pattern as written
    std::string Text;      // the rule as written
    std::size_t Line = 0;  // in the file, from 1
    TRuleKind Kind = TRuleKind::Present;
    std::string Version;                 // of an exact rule
    std::optional<TVersionBound> Lower;  // of a bounds rule: one of them, or both for a range
    std::optional<TVersionBound> Upper;
};

// Reads a rule text into `rule` (Kind, Version, Lower, Upper); returns what is wrong with it, or an
// empty text when the rule took it.
std::string ParseRule(std::string_view text, TRequiredRule& rule);

#endif

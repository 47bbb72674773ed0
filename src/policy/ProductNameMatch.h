#ifndef PLUX_POLICY_PRODUCTNAMEMATCH_H
#define PLUX_POLICY_PRODUCTNAMEMATCH_H

#include <cstddef>
#include <string>
#include <string_view>

// How a key of the required-versions file names products: as the snapshot lookup matches a product
// name, trimmed and with ASCII letters in either case; "*" stands for any run of characters, "?" for
// any one character.

// The form in which two names that the lookup takes for one are equal.
std::string ProductNameKey(std::string_view name);

bool IsNamePattern(std::string_view key);

// Whether a key matches a name, both in ProductNameKey form.
bool MatchesNamePattern(std::string_view patternKey, std::string_view nameKey);

// How much of a pattern names a product: its characters other than wildcards.
std::size_t PatternWeight(std::string_view pattern);

#endif

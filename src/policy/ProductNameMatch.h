#ifndef PLUX_POLICY_PRODUCTNAMEMATCH_H
#define PLUX_POLICY_PRODUCTNAMEMATCH_H

#include <cstddef>
#include <string_view>

#include "snapshot/SnapshotSection.h"

// How a key of the required-versions file names products: by the snapshot lookup's name rule
// (ProductNameKey), where "*" stands for any run of characters and "?" for any one character.

bool IsNamePattern(std::string_view key);

// Whether a key matches a name, both in ProductNameKey form.
bool MatchesNamePattern(std::string_view patternKey, std::string_view nameKey);

// How much of a pattern names a product: its characters other than wildcards.
std::size_t PatternWeight(std::string_view pattern);

#endif

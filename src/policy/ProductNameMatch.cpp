#include "policy/ProductNameMatch.h"

#include <algorithm>

namespace {

constexpr std::string_view kWildcards = "*?";

}  // namespace

bool IsNamePattern(std::string_view key) {
    return key.find_first_of(kWildcards) != std::string_view::npos;
}

// Greedy, going back only to the last "*": time in proportion to the product of the lengths at worst,
// however many stars a hand-written (or hostile) pattern holds.
bool MatchesNamePattern(std::string_view patternKey, std::string_view nameKey) {
    std::size_t p = 0;
    std::size_t n = 0;
    std::size_t star = std::string_view::npos;
    std::size_t resumeAt = 0;
    while (n < nameKey.size()) {
        if (p < patternKey.size() && patternKey[p] == '*') {
            star = p++;
            resumeAt = n;
        } else if (p < patternKey.size() && (patternKey[p] == '?' || patternKey[p] == nameKey[n])) {
            ++p;
            ++n;
        } else if (star != std::string_view::npos) {
            p = star + 1;
            n = ++resumeAt;
        } else {
            return false;
        }
    }
    while (p < patternKey.size() && patternKey[p] == '*')
        ++p;
    return p == patternKey.size();
}

std::size_t PatternWeight(std::string_view pattern) {
    return pattern.size() - static_cast<std::size_t>(std::count_if(pattern.begin(), pattern.end(), [](char c) {
               return kWildcards.find(c) != std::string_view::npos;
           }));
}

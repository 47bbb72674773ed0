#ifndef PLUX_SNAPSHOT_NAMESANITIZER_H
#define PLUX_SNAPSHOT_NAMESANITIZER_H

#include <string>
#include <string_view>

enum class TCaseMode : int { cmKeep = 0, cmUpper = 1, cmLower = 2 };

// Bits of the exclusion set: each keeps its characters out of the allowed set.
enum TExclusion : unsigned {
    exSpace = 1,    // space
    exQuotes = 2,   // double quote and apostrophe
    exColon = 4,    // colon
    exSlashes = 8,  // slash and backslash
    exPeriod = 16,  // period
};
using TExclusions = unsigned;  // any combination of TExclusion bits

// The text after the case mode (any value other than cmUpper and cmLower keeps it), with every byte
// outside the allowed set replaced by replaceChar, one for one. The allowed set is a fixed base of
// ASCII letters, digits and a few signs, widened by every optional class not excluded.
std::string SanitizeName(std::string_view text, TCaseMode caseMode, TExclusions exclusions, char replaceChar);

#endif

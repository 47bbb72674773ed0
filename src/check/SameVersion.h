#ifndef PLUX_CHECK_SAMEVERSION_H
#define PLUX_CHECK_SAMEVERSION_H

#include <string_view>

#include "support/TextRoutines.h"

// Two versions are the same when they are equal once their blanks are trimmed, as the report's
// comparison column has it.
inline bool SameVersion(std::string_view a, std::string_view b) {
    return Trim(a) == Trim(b);
}

#endif

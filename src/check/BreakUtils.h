#ifndef PLUX_CHECK_BREAKUTILS_H
#define PLUX_CHECK_BREAKUTILS_H

#include <cstdint>
#include <string>

// Control-break tracker: fed the values of a grouped sequence one at a time, it tells whether the
// value just fed begins a new group. The owner sets KeyDelimiter and reads the counters directly.
class TBreakUtils {
public:
    void NextValue(const std::string& value);
    bool IsBreak() const;

    std::string Key;
    std::string PrevKey = std::string(1, '\0');  // the code-0 text: nothing fed yet
    std::string KeyDelimiter;
    std::int32_t ValueCount = 0;
    std::int32_t GroupCount = 0;
    std::int32_t GroupSize = 0;
    std::int32_t PrevGroupSize = 0;
};

#endif

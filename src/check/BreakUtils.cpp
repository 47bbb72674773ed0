#include "check/BreakUtils.h"

#include "support/TextRoutines.h"

namespace {

const std::string kNothingFed(1, '\0');

}  // namespace

void TBreakUtils::NextValue(const std::string& value) {
    PrevKey = Key;
    ++ValueCount;
    Key = value;
    if (!KeyDelimiter.empty()) {
        // The delimiter is found regardless of case, while keys compare with regard to case.
        const std::size_t position = PosText(KeyDelimiter, value);
        if (position > 0)
            Key = value.substr(0, position - 1);
    }
    if (Key != PrevKey) {
        PrevGroupSize = GroupSize;
        ++GroupCount;
        GroupSize = 1;
    } else {
        ++GroupSize;
    }
}

bool TBreakUtils::IsBreak() const {
    return PrevKey != kNothingFed && PrevKey != Key;
}

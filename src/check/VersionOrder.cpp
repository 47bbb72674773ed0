#include "check/VersionOrder.h"

#include <string>

#include "support/TextRoutines.h"

namespace {

enum class TRunKind { Number, Period, Text };

TRunKind KindOf(char c) {
    if (c >= '0' && c <= '9')
        return TRunKind::Number;
    return c == '.' ? TRunKind::Period : TRunKind::Text;
}

// The next run at the front of a version, removed from it: digits, one period, or other characters.
std::string_view TakeRun(std::string_view& version) {
    const TRunKind kind = KindOf(version.front());
    std::size_t length = 1;
    while (kind != TRunKind::Period && length < version.size() && KindOf(version[length]) == kind)
        ++length;
    const std::string_view run = version.substr(0, length);
    version.remove_prefix(length);
    return run;
}

// Numbers of any length: without their leading zeros, the longer is the larger.
int CompareNumbers(std::string_view a, std::string_view b) {
    while (a.size() > 1 && a.front() == '0')
        a.remove_prefix(1);
    while (b.size() > 1 && b.front() == '0')
        b.remove_prefix(1);
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    return a.compare(b) < 0 ? -1 : (a.compare(b) > 0 ? 1 : 0);
}

int CompareTexts(std::string_view a, std::string_view b) {
    const int order = UpperCase(a).compare(UpperCase(b));
    return order < 0 ? -1 : (order > 0 ? 1 : 0);
}

TVersionOrder FromSign(int sign) {
    return sign < 0 ? TVersionOrder::Lower : (sign > 0 ? TVersionOrder::Higher : TVersionOrder::Equal);
}

// Compares run by run until one version ends; runs of different kinds cannot be ordered.
TVersionOrder CompareRuns(std::string_view a, std::string_view b) {
    while (!a.empty() && !b.empty()) {
        const std::string_view runA = TakeRun(a);
        const std::string_view runB = TakeRun(b);
        const TRunKind kind = KindOf(runA.front());
        if (kind != KindOf(runB.front()))
            return TVersionOrder::NotComparable;
        const int sign = kind == TRunKind::Number ? CompareNumbers(runA, runB) : CompareTexts(runA, runB);
        if (sign != 0)
            return FromSign(sign);
    }
    return FromSign(a.empty() == b.empty() ? 0 : (a.empty() ? -1 : 1));
}

}  // namespace

TVersionOrder CompareVersions(std::string_view a, std::string_view b) {
    const std::string trimmedA = Trim(a);
    const std::string trimmedB = Trim(b);
    if (trimmedA.empty() || trimmedB.empty())
        return TVersionOrder::NotComparable;
    return CompareRuns(trimmedA, trimmedB);
}

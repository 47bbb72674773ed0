#include "support/TemporaryFiles.h"

#include <algorithm>

#include "support/TextRoutines.h"

namespace {

constexpr std::string_view kTemporaryMark = ".~";
// The decimal digits of a 32-bit process id.
constexpr std::size_t kMaxProcessDigits = 10;

}  // namespace

std::string TemporaryPath(std::string_view target, unsigned long processId) {
    return std::string(target) + std::string(kTemporaryMark) + std::to_string(processId);
}

// File names compare without regard to case, as the file system finds them.
bool IsTemporaryName(std::string_view name, std::string_view targetName) {
    if (name.size() <= targetName.size() + kTemporaryMark.size() ||
        !SameTextUpper(name.substr(0, targetName.size()), targetName))
        return false;
    name.remove_prefix(targetName.size());
    if (!name.starts_with(kTemporaryMark))
        return false;
    name.remove_prefix(kTemporaryMark.size());
    return name.size() <= kMaxProcessDigits &&
           std::all_of(name.begin(), name.end(), [](char c) { return c >= '0' && c <= '9'; });
}

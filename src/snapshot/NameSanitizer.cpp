#include "snapshot/NameSanitizer.h"

#include <bitset>

#include "support/TextRoutines.h"

namespace {

constexpr std::string_view kBaseSigns = "!#()-@[]_{}";

struct TOptionalClass {
    TExclusion Option;
    std::string_view Characters;
};

constexpr TOptionalClass kOptionalClasses[] = {
    {exSpace, " "}, {exQuotes, "\"'"}, {exColon, ":"}, {exSlashes, "/\\"}, {exPeriod, "."},
};

std::bitset<256> AllowedSet(TExclusions exclusions) {
    std::bitset<256> allowed;
    const auto allow = [&allowed](std::string_view characters) {
        for (const char c : characters)
            allowed.set(static_cast<unsigned char>(c));
    };
    for (char c = '0'; c <= '9'; ++c)
        allowed.set(static_cast<unsigned char>(c));
    for (char c = 'A'; c <= 'Z'; ++c) {
        allowed.set(static_cast<unsigned char>(c));
        allowed.set(static_cast<unsigned char>(c - 'A' + 'a'));
    }
    allow(kBaseSigns);
    for (const TOptionalClass& optional : kOptionalClasses) {
        if ((exclusions & optional.Option) == 0)
            allow(optional.Characters);
    }
    return allowed;
}

}  // namespace

std::string SanitizeName(std::string_view text, TCaseMode caseMode, TExclusions exclusions, char replaceChar) {
    std::string name = caseMode == TCaseMode::cmUpper   ? UpperCase(text)
                       : caseMode == TCaseMode::cmLower ? LowerCase(text)
                                                        : std::string(text);
    const std::bitset<256> allowed = AllowedSet(exclusions);
    for (char& c : name) {
        if (!allowed.test(static_cast<unsigned char>(c)))
            c = replaceChar;
    }
    return name;
}

#include "check/BandColours.h"

#include "support/TextRoutines.h"

namespace {

constexpr std::string_view kHexDigits = "0123456789ABCDEF";
constexpr std::size_t kCodeLength = 7;  // "#" and six digits
constexpr std::size_t kDigitCount = 6;

int HexDigitValue(char c) {
    const auto position = kHexDigits.find(UpperCase(std::string(1, c)).front());
    return position == std::string_view::npos ? -1 : static_cast<int>(position);
}

// A pair with any character that is not a digit gives 0 for the whole component.
TColorValue ComponentAt(std::string_view digits, std::size_t offset) {
    const int high = HexDigitValue(digits[offset]);
    const int low = HexDigitValue(digits[offset + 1]);
    if (high < 0 || low < 0)
        return 0;
    return static_cast<TColorValue>(high * 16 + low);
}

}  // namespace

std::string ColorToCode(TColorValue color) {
    std::string code = "#";
    for (int shift : {0, 8, 16}) {
        const unsigned component = (color >> shift) & 0xFFu;
        code += kHexDigits[component >> 4];
        code += kHexDigits[component & 0xFu];
    }
    return code;
}

TColorValue CodeToColor(std::string_view code) {
    std::string digits = Trim(code).substr(0, kCodeLength);
    if (!digits.empty() && digits.front() == '#')
        digits.erase(0, 1);
    if (digits.size() < kDigitCount)
        digits = (digits + "000000").substr(0, kDigitCount);
    return ComponentAt(digits, 0) + 256 * ComponentAt(digits, 2) + 65536 * ComponentAt(digits, 4);
}

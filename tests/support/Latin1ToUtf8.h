#ifndef PLUX_TESTS_SUPPORT_LATIN1TOUTF8_H
#define PLUX_TESTS_SUPPORT_LATIN1TOUTF8_H

#include <string>
#include <string_view>

// The single-byte texts of the report tests are Latin-1, whose bytes are the first 256 code points.
inline std::string Latin1ToUtf8(std::string_view text) {
    std::string utf8;
    for (const char c : text) {
        const auto code = static_cast<unsigned char>(c);
        if (code < 0x80) {
            utf8 += c;
        } else {
            utf8 += static_cast<char>(0xC0 | (code >> 6));
            utf8 += static_cast<char>(0x80 | (code & 0x3F));
        }
    }
    return utf8;
}

#endif

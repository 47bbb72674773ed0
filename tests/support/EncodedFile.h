#ifndef PLUX_TESTS_SUPPORT_ENCODEDFILE_H
#define PLUX_TESTS_SUPPORT_ENCODEDFILE_H

#include <string>
#include <string_view>

#include "support/IniText.h"

// The bytes of a file holding a text of the single-byte set in an encoding, byte-order mark first.
inline std::string EncodedFile(std::string_view text, ini::TTextEncoding encoding) {
    return std::string(ini::ByteOrderMark(encoding)) + ini::EncodeBytes(text, encoding);
}

#endif

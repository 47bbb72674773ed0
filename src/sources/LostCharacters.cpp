#include "sources/LostCharacters.h"

#include "support/IniText.h"

TLostCharacters::TLostCharacters(std::string_view fileBytes, std::string_view text) : text_(text) {
    const ini::TTextEncoding encoding = ini::EncodingOf(fileBytes);
    if (encoding != ini::TTextEncoding::Utf16LittleEndian && encoding != ini::TTextEncoding::Utf16BigEndian)
        return;
    units_ = fileBytes.substr(2);
    bigEndian_ = encoding == ini::TTextEncoding::Utf16BigEndian;
}

bool TLostCharacters::In(std::string_view part) const {
    if (units_.empty() || part.data() < text_.data() || part.data() + part.size() > text_.data() + text_.size())
        return false;
    const auto first = static_cast<std::size_t>(part.data() - text_.data());
    for (std::size_t i = 0; i < part.size(); ++i) {
        const std::size_t at = 2 * (first + i);
        if (part[i] != '?' || at + 1 >= units_.size())
            continue;
        const char high = bigEndian_ ? units_[at] : units_[at + 1];
        const char low = bigEndian_ ? units_[at + 1] : units_[at];
        if (high != '\0' || low != '?')
            return true;
    }
    return false;
}

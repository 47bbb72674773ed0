#ifndef PLUX_SUPPORT_WORDSCAN_H
#define PLUX_SUPPORT_WORDSCAN_H

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

// A search and a comparison of short byte strings, eight bytes at a time and inline. A profile file is
// read and saved by a few of them per line, on names of a few dozen bytes, where a call into the C
// library costs more than the work: under Wine its search and comparison even go byte by byte.

// Where the byte first occurs, or npos.
inline std::size_t FindByte(std::string_view s, char c) {
    std::size_t at = 0;
    if constexpr (std::endian::native == std::endian::little) {
        constexpr std::uint64_t kOnes = 0x0101010101010101ull;
        constexpr std::uint64_t kHigh = 0x8080808080808080ull;
        const std::uint64_t pattern = kOnes * static_cast<unsigned char>(c);
        for (; at + sizeof kOnes <= s.size(); at += sizeof kOnes) {
            std::uint64_t chars = 0;
            std::memcpy(&chars, s.data() + at, sizeof chars);
            chars ^= pattern;
            // The lowest bit set marks the first byte equal to c: a borrow only carries upwards, past it.
            const std::uint64_t equal = (chars - kOnes) & ~chars & kHigh;
            if (equal != 0)
                return at + static_cast<std::size_t>(std::countr_zero(equal)) / 8;
        }
    }
    for (; at < s.size(); ++at) {
        if (s[at] == c)
            return at;
    }
    return std::string_view::npos;
}

namespace word_scan {

template <typename TWord>
bool SameWordAt(std::string_view a, std::string_view b, std::size_t at) {
    TWord x = 0;
    TWord y = 0;
    std::memcpy(&x, a.data() + at, sizeof x);
    std::memcpy(&y, b.data() + at, sizeof y);
    return x == y;
}

}  // namespace word_scan

// Strings of a word or more go by words, the last one ending where the strings end, over bytes compared
// already; strings of four to seven bytes by two halves that overlap the same way; shorter ones by bytes.
inline bool SameBytes(std::string_view a, std::string_view b) {
    using word_scan::SameWordAt;
    if (a.size() != b.size())
        return false;
    const std::size_t size = a.size();
    if (size >= sizeof(std::uint64_t)) {
        for (std::size_t at = 0; at + sizeof(std::uint64_t) < size; at += sizeof(std::uint64_t)) {
            if (!SameWordAt<std::uint64_t>(a, b, at))
                return false;
        }
        return SameWordAt<std::uint64_t>(a, b, size - sizeof(std::uint64_t));
    }
    if (size >= sizeof(std::uint32_t))
        return SameWordAt<std::uint32_t>(a, b, 0) && SameWordAt<std::uint32_t>(a, b, size - sizeof(std::uint32_t));
    for (std::size_t at = 0; at < size; ++at) {
        if (a[at] != b[at])
            return false;
    }
    return true;
}

#endif

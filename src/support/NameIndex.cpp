#include "support/NameIndex.h"

#include <cstring>

#include "support/WordScan.h"

namespace {

constexpr std::size_t kFirstSlots = 16;

}  // namespace

TNameIndex::TNameIndex() : tags_(kFirstSlots, kEmpty), positions_(kFirstSlots) {}

namespace {

// Eight characters at once as UpperChar gives them: a byte of "a" to "z" loses 0x20, every other byte
// stays. The sums that find the letters cannot carry from one byte into the next.
std::uint64_t UpperChars(std::uint64_t chars) {
    constexpr std::uint64_t kOnes = 0x0101010101010101ull;
    constexpr std::uint64_t kHigh = 0x8080808080808080ull;
    const std::uint64_t low = chars & ~kHigh;
    const std::uint64_t fromA = low + (0x80 - 'a') * kOnes;
    const std::uint64_t beyondZ = low + (0x80 - 'z' - 1) * kOnes;
    const std::uint64_t letters = fromA & ~beyondZ & ~chars & kHigh;
    return chars - (letters >> 2);
}

}  // namespace

// Names that SameTextUpper finds equal hash alike: the characters are folded as it folds them. A slot
// takes the low bits of the hash, and a multiplication carries bits upwards only, so each step folds
// the high half down: numbered names that differ only in the high bytes of an eight-character block
// would otherwise crowd into a few slots.
std::uint32_t TNameIndex::Hash(std::string_view name) {
    constexpr std::uint64_t kMultiplier = 0x9E3779B97F4A7C15ull;
    const auto mix = [](std::uint64_t hash) { return (hash ^ (hash >> 32)) * kMultiplier; };
    std::uint64_t hash = name.size() * kMultiplier;
    std::uint64_t chars = 0;
    for (; name.size() >= sizeof chars; name.remove_prefix(sizeof chars)) {
        std::memcpy(&chars, name.data(), sizeof chars);
        hash = mix(hash ^ UpperChars(chars));
    }
    if (!name.empty()) {
        chars = 0;
        std::memcpy(&chars, name.data(), name.size());
        hash = mix(hash ^ UpperChars(chars));
    }
    return static_cast<std::uint32_t>(hash ^ (hash >> 31));
}

// SameTextUpper, eight characters at a time; a name asked for as it is held, as when a file is saved
// again, is settled by comparing bytes.
bool TNameIndex::SameName(std::string_view held, std::string_view name) {
    if (held.size() != name.size())
        return false;
    if (SameBytes(held, name))
        return true;
    std::uint64_t a = 0;
    std::uint64_t b = 0;
    for (; name.size() >= sizeof a; name.remove_prefix(sizeof a), held.remove_prefix(sizeof a)) {
        std::memcpy(&a, held.data(), sizeof a);
        std::memcpy(&b, name.data(), sizeof b);
        if (UpperChars(a) != UpperChars(b))
            return false;
    }
    a = b = 0;
    std::memcpy(&a, held.data(), name.size());
    std::memcpy(&b, name.data(), name.size());
    return UpperChars(a) == UpperChars(b);
}

void TNameIndex::Clear() {
    tags_.assign(kFirstSlots, kEmpty);
    positions_.assign(kFirstSlots, 0);
    count_ = 0;
}

#ifndef PLUX_SUPPORT_NAMEINDEX_H
#define PLUX_SUPPORT_NAMEINDEX_H

#include <cstddef>
#include <cstdint>
#include <memory>
#include <memory_resource>
#include <optional>
#include <string_view>
#include <vector>

// Names mapped to positions, the names compared and hashed without regard to ASCII case (SameTextUpper);
// the first position added under a name stays. A profile file indexes a key per product this way: the
// names are copied into one growing arena and the slots lie in one array, so adding a name costs no
// allocation of its own and a lookup hashes the name once.
class TNameIndex {
public:
    TNameIndex();

    std::optional<std::size_t> Find(std::string_view name) const;
    // The position already held under the name, or `position`, which it then holds.
    std::size_t Add(std::string_view name, std::size_t position);
    void Clear();
    // Room for that many names in all, so that adding them rehashes at most once.
    void Reserve(std::size_t names);

private:
    struct TSlot {
        std::uint64_t Hash = 0;
        const char* Name = nullptr;  // in the arena; null for an empty slot
        std::uint32_t NameSize = 0;
        std::uint32_t Position = 0;
    };
    static std::uint64_t Hash(std::string_view name);
    // The slot that holds the name, or the empty slot where it belongs.
    std::size_t SlotOf(std::string_view name, std::uint64_t hash) const;
    void Rehash(std::size_t slots);

    std::unique_ptr<std::pmr::monotonic_buffer_resource> names_;
    std::vector<TSlot> slots_;  // a power of two in size, at most half full
    std::size_t count_ = 0;
};

#endif

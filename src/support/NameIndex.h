#ifndef PLUX_SUPPORT_NAMEINDEX_H
#define PLUX_SUPPORT_NAMEINDEX_H

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

// Names mapped to positions, the names compared and hashed without regard to ASCII case (SameTextUpper);
// the first position added under a name stays. A profile file indexes a key per product this way. The
// names stay with their owner, who passes `nameAt` (position -> name) to each call, so the index holds
// no more than a hash and a position per name, all in one array.
class TNameIndex {
public:
    TNameIndex();

    template <typename NameAt>
    std::optional<std::size_t> Find(std::string_view name, const NameAt& nameAt) const {
        const TSlot& slot = slots_[SlotOf(name, Hash(name), nameAt)];
        if (slot.Position == kEmpty)
            return std::nullopt;
        return slot.Position;
    }
    // The position already held under the name, or `position`, which it then holds.
    template <typename NameAt>
    std::size_t Add(std::string_view name, std::size_t position, const NameAt& nameAt) {
        const std::uint32_t hash = Hash(name);
        std::size_t at = SlotOf(name, hash, nameAt);
        if (slots_[at].Position != kEmpty)
            return slots_[at].Position;
        if (Crowded(count_ + 1, slots_.size())) {
            Rehash(2 * slots_.size());
            at = SlotOf(name, hash, nameAt);
        }
        slots_[at] = {hash, static_cast<std::uint32_t>(position)};
        ++count_;
        return position;
    }
    void Clear();
    // Room for that many names in all, so that adding them rehashes at most once.
    void Reserve(std::size_t names);
    // Whether the index takes two names for one.
    static bool SameName(std::string_view held, std::string_view name);

private:
    static constexpr std::uint32_t kEmpty = UINT32_MAX;
    struct TSlot {
        std::uint32_t Hash = 0;
        std::uint32_t Position = kEmpty;
    };
    static std::uint32_t Hash(std::string_view name);
    // The slot that holds the name, or the empty slot where it belongs.
    template <typename NameAt>
    std::size_t SlotOf(std::string_view name, std::uint32_t hash, const NameAt& nameAt) const {
        const std::size_t mask = slots_.size() - 1;
        for (std::size_t at = hash & mask;; at = (at + 1) & mask) {
            const TSlot& slot = slots_[at];
            if (slot.Position == kEmpty || (slot.Hash == hash && SameName(nameAt(slot.Position), name)))
                return at;
        }
    }
    // Whether that many names would fill more than three quarters of the slots.
    static bool Crowded(std::size_t names, std::size_t slots) { return 4 * names > 3 * slots; }
    void Rehash(std::size_t slots);

    std::vector<TSlot> slots_;  // a power of two in size
    std::size_t count_ = 0;
};

#endif

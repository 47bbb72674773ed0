#ifndef PLUX_SUPPORT_NAMEINDEX_H
#define PLUX_SUPPORT_NAMEINDEX_H

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

// Names mapped to positions, the names compared and hashed without regard to ASCII case (SameTextUpper);
// the first position added under a name stays. A profile file indexes a key per product this way. The
// names stay with their owner, who passes `nameAt` (position -> name) to each call, so the index holds
// no more than a position and eight bits of the name's hash per slot: five bytes, as the index of a
// large snapshot is made afresh at every save, and fresh memory costs more than hashing the names
// again when the index grows.
class TNameIndex {
public:
    TNameIndex();

    template <typename NameAt>
    std::optional<std::size_t> Find(std::string_view name, const NameAt& nameAt) const {
        const std::size_t at = SlotOf(name, Hash(name), nameAt);
        if (tags_[at] == kEmpty)
            return std::nullopt;
        return positions_[at];
    }
    // The position already held under the name, or `position`, which it then holds.
    template <typename NameAt>
    std::size_t Add(std::string_view name, std::size_t position, const NameAt& nameAt) {
        const std::uint32_t hash = Hash(name);
        std::size_t at = SlotOf(name, hash, nameAt);
        if (tags_[at] != kEmpty)
            return positions_[at];
        if (Crowded(count_ + 1, tags_.size())) {
            Rehash(2 * tags_.size(), nameAt);
            at = SlotOf(name, hash, nameAt);
        }
        tags_[at] = TagOf(hash);
        positions_[at] = static_cast<std::uint32_t>(position);
        ++count_;
        return position;
    }
    void Clear();
    // Room for that many names in all, so that adding them rehashes at most once.
    template <typename NameAt>
    void Reserve(std::size_t names, const NameAt& nameAt) {
        std::size_t slots = tags_.size();
        while (Crowded(names, slots))
            slots *= 2;
        if (slots > tags_.size())
            Rehash(slots, nameAt);
    }
    // Whether the index takes two names for one.
    static bool SameName(std::string_view held, std::string_view name);

private:
    static constexpr std::uint8_t kEmpty = 0;
    static std::uint32_t Hash(std::string_view name);
    // The hash's high byte, which no slot's place uses below 2^24 slots; never kEmpty.
    static std::uint8_t TagOf(std::uint32_t hash) {
        const auto tag = static_cast<std::uint8_t>(hash >> 24);
        return tag == kEmpty ? 1 : tag;
    }
    // The slot that holds the name, or the empty slot where it belongs.
    template <typename NameAt>
    std::size_t SlotOf(std::string_view name, std::uint32_t hash, const NameAt& nameAt) const {
        const std::size_t mask = tags_.size() - 1;
        const std::uint8_t tag = TagOf(hash);
        for (std::size_t at = hash & mask;; at = (at + 1) & mask) {
            if (tags_[at] == kEmpty || (tags_[at] == tag && SameName(nameAt(positions_[at]), name)))
                return at;
        }
    }
    // Whether that many names would fill more than three quarters of the slots.
    static bool Crowded(std::size_t names, std::size_t slots) { return 4 * names > 3 * slots; }
    // The slots hold no whole hashes: each held name is hashed again to find its new place.
    template <typename NameAt>
    void Rehash(std::size_t slots, const NameAt& nameAt) {
        const std::vector<std::uint8_t> oldTags = std::exchange(tags_, std::vector<std::uint8_t>(slots, kEmpty));
        const std::vector<std::uint32_t> oldPositions = std::exchange(positions_, std::vector<std::uint32_t>(slots));
        const std::size_t mask = slots - 1;
        for (std::size_t i = 0; i < oldTags.size(); ++i) {
            if (oldTags[i] == kEmpty)
                continue;
            std::size_t at = Hash(nameAt(oldPositions[i])) & mask;
            while (tags_[at] != kEmpty)
                at = (at + 1) & mask;
            tags_[at] = oldTags[i];
            positions_[at] = oldPositions[i];
        }
    }

    std::vector<std::uint8_t> tags_;  // a power of two in size, as positions_
    std::vector<std::uint32_t> positions_;
    std::size_t count_ = 0;
};

#endif

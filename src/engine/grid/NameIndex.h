#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

namespace engine {

// A hash index from names to rows for the checks of a batch and of Preview, built once per check over up
// to millions of names. Open addressing with linear probing over one flat array, sized once for the
// names it will hold: each slot is eight bytes, the row and the upper half of the name's hash, so a probe
// compares names only when those hash bits agree, and the names themselves stay where they are (the
// caller tells the index, through nameOf(row), which name a stored row stands for).
class NameIndex {
public:
    static constexpr std::size_t npos = static_cast<std::size_t>(-1);

    // An index for at most `names` names; it never grows.
    explicit NameIndex(std::size_t names)
        : slots_(std::bit_ceil(names + names / 2 + 1)), mask_(slots_.size() - 1) {}

    // The slot of the name; `row` is stored for it when the name is not there yet, and `inserted` says
    // whether it was.
    template <class NameOf>
    std::size_t Insert(std::string_view name, std::uint32_t row, NameOf&& nameOf, bool& inserted) {
        const std::uint64_t hash = Hash(name);
        const std::uint64_t tag = Tag(hash);
        for (std::size_t slot = hash & mask_;; slot = (slot + 1) & mask_) {
            const std::uint64_t entry = slots_[slot];
            if (entry == 0) {
                slots_[slot] = tag | row;
                inserted = true;
                return slot;
            }
            if ((entry & TagMask) == tag && nameOf(Row(entry)) == name) {
                inserted = false;
                return slot;
            }
        }
    }

    // The slot of the name, or npos when it is not in the index.
    template <class NameOf> std::size_t Find(std::string_view name, NameOf&& nameOf) const {
        const std::uint64_t hash = Hash(name);
        const std::uint64_t tag = Tag(hash);
        for (std::size_t slot = hash & mask_;; slot = (slot + 1) & mask_) {
            const std::uint64_t entry = slots_[slot];
            if (entry == 0)
                return npos;
            if ((entry & TagMask) == tag && nameOf(Row(entry)) == name)
                return slot;
        }
    }

    // The row stored in an occupied slot.
    std::uint32_t RowAt(std::size_t slot) const { return Row(slots_[slot]); }
    // Slots are numbered 0..SlotCount()-1, so that callers can keep a value per name in a vector.
    std::size_t SlotCount() const { return slots_.size(); }

private:
    static constexpr std::uint64_t TagMask = 0xFFFFFFFF00000000u;

    static std::uint64_t Hash(std::string_view name) { return std::hash<std::string_view>{}(name); }
    // The upper hash bits, with the lowest of them set so that no used slot reads as empty.
    static std::uint64_t Tag(std::uint64_t hash) { return (hash | (std::uint64_t{1} << 32)) & TagMask; }
    static std::uint32_t Row(std::uint64_t entry) { return static_cast<std::uint32_t>(entry); }

    std::vector<std::uint64_t> slots_; // 0: empty; else tag | row
    std::size_t mask_;
};

} // namespace engine

#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// An item ID list: the namespace's identifier of an item. It is a byte string of items, each a 16-bit
// little-endian byte count (the count itself included) followed by the item's own bytes, and the whole
// list ends with two zero bytes. An absolute list is relative to the desktop; the desktop's own list is
// the empty list (the two zero bytes alone).
class IdList {
public:
    IdList() = default;
    // From the bytes of a well-formed list without its terminator; throws std::invalid_argument otherwise.
    static IdList FromBytes(std::string_view bytes);
    // A list of one item whose own bytes are payload; throws std::invalid_argument past 65533 bytes.
    static IdList FromItem(std::string_view payload);

    // The bytes without the terminator; their count is the list's size (IDListSize).
    std::string_view Bytes() const { return bytes_; }
    std::size_t Size() const { return bytes_.size(); }
    bool IsEmpty() const { return bytes_.empty(); }
    // The bytes followed by the two-byte terminator.
    std::string Terminated() const;

    // Each item with its length prefix, first to last.
    std::vector<std::string_view> Items() const;
    // The own bytes of each item (without length prefix), first to last.
    std::vector<std::string_view> Payloads() const;
    // Only the first item (empty for the empty list).
    IdList First() const;
    // This list followed by other's items; throws std::length_error when that passes 65535 bytes.
    IdList operator+(const IdList& other) const;

    bool operator==(const IdList& other) const = default;

private:
    std::string bytes_;
};

} // namespace platform

#include "IdList.h"

#include <stdexcept>

namespace platform {

namespace {

// The length prefix counts itself, so an item is never shorter than its two prefix bytes, and a whole
// list must fit the 16-bit size that the folder tree keeps of it.
constexpr std::size_t kPrefixSize = 2;
constexpr std::size_t kMaxListSize = 0xFFFF;

std::size_t ReadPrefix(std::string_view bytes, std::size_t at) {
    const auto low = static_cast<unsigned char>(bytes[at]);
    const auto high = static_cast<unsigned char>(bytes[at + 1]);
    return static_cast<std::size_t>(low) | (static_cast<std::size_t>(high) << 8);
}

// Walks the items of a list that is known to be well formed.
template <typename Visit> void ForEachItem(std::string_view bytes, Visit visit) {
    for (std::size_t at = 0; at < bytes.size();) {
        const std::size_t count = ReadPrefix(bytes, at);
        visit(bytes.substr(at, count));
        at += count;
    }
}

} // namespace

IdList IdList::FromBytes(std::string_view bytes) {
    if (bytes.size() > kMaxListSize)
        throw std::invalid_argument("item ID list longer than 65535 bytes");
    for (std::size_t at = 0; at < bytes.size();) {
        if (bytes.size() - at < kPrefixSize)
            throw std::invalid_argument("item ID list ends inside a length prefix");
        const std::size_t count = ReadPrefix(bytes, at);
        if (count < kPrefixSize)
            throw std::invalid_argument("item ID with a length below its own prefix");
        if (count > bytes.size() - at)
            throw std::invalid_argument("item ID runs past the end of the list");
        at += count;
    }
    IdList list;
    list.bytes_.assign(bytes);
    return list;
}

IdList IdList::FromItem(std::string_view payload) {
    if (payload.size() > kMaxListSize - kPrefixSize)
        throw std::invalid_argument("item ID payload too long");
    const std::size_t count = payload.size() + kPrefixSize;
    IdList list;
    list.bytes_.reserve(count);
    list.bytes_.push_back(static_cast<char>(count & 0xFF));
    list.bytes_.push_back(static_cast<char>(count >> 8));
    list.bytes_.append(payload);
    return list;
}

std::string IdList::Terminated() const {
    std::string result = bytes_;
    result.append(2, '\0');
    return result;
}

std::vector<std::string_view> IdList::Items() const {
    std::vector<std::string_view> items;
    ForEachItem(bytes_, [&](std::string_view item) { items.push_back(item); });
    return items;
}

std::vector<std::string_view> IdList::Payloads() const {
    std::vector<std::string_view> payloads;
    ForEachItem(bytes_, [&](std::string_view item) { payloads.push_back(item.substr(kPrefixSize)); });
    return payloads;
}

IdList IdList::First() const {
    IdList first;
    if (!bytes_.empty())
        first.bytes_.assign(bytes_, 0, ReadPrefix(bytes_, 0));
    return first;
}

IdList IdList::operator+(const IdList& other) const {
    if (bytes_.size() + other.bytes_.size() > kMaxListSize)
        throw std::length_error("item ID list longer than 65535 bytes");
    IdList joined;
    joined.bytes_.reserve(bytes_.size() + other.bytes_.size());
    joined.bytes_.append(bytes_).append(other.bytes_);
    return joined;
}

} // namespace platform

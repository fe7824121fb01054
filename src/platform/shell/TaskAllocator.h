#pragma once

#include "IdList.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <unordered_map>

namespace platform {

// The allocator through which the namespace hands out ID lists. A block stays the allocator's until it is
// freed; DidAlloc tells whether a block is one of its own, so a receiver can free what it was given and
// leave alone what it was only lent. Tests read LiveBlocks() to prove that every list handed out was freed.
class TaskAllocator {
public:
    const IdList* Alloc(IdList list);
    // 1 when the block was handed out by this allocator and not freed yet, else 0.
    int DidAlloc(const IdList* block) const;
    void Free(const IdList* block);
    std::size_t LiveBlocks() const { return blocks_.size(); }

private:
    friend class AllocatedIdList;
    // Each block carries the number of its allocation, so that an owner whose block was freed behind its
    // back cannot free a newer block that happens to get the same address.
    struct Block {
        std::unique_ptr<IdList> list;
        std::uint64_t serial = 0;
    };
    std::uint64_t SerialOf(const IdList* block) const;

    std::unordered_map<const IdList*, Block> blocks_;
    std::uint64_t nextSerial_ = 1;
};

// Owns one block of a TaskAllocator and frees it when it goes, unless it was freed already.
class AllocatedIdList {
public:
    AllocatedIdList() = default;
    AllocatedIdList(TaskAllocator& allocator, IdList list);
    AllocatedIdList(AllocatedIdList&& other) noexcept;
    AllocatedIdList& operator=(AllocatedIdList&& other) noexcept;
    ~AllocatedIdList();

    const IdList* Get() const { return block_; }
    const IdList& operator*() const { return *block_; }
    const IdList* operator->() const { return block_; }
    explicit operator bool() const { return block_ != nullptr; }
    // Gives the block back to its allocator now (FreeIDList): only when the allocator still owns it.
    void Free();

private:
    TaskAllocator* allocator_ = nullptr;
    const IdList* block_ = nullptr;
    std::uint64_t serial_ = 0;
};

} // namespace platform

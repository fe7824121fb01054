#include "TaskAllocator.h"

#include <utility>

namespace platform {

const IdList* TaskAllocator::Alloc(IdList list) {
    auto owned = std::make_unique<IdList>(std::move(list));
    const IdList* block = owned.get();
    blocks_.emplace(block, Block{std::move(owned), nextSerial_++});
    return block;
}

int TaskAllocator::DidAlloc(const IdList* block) const {
    return blocks_.count(block) ? 1 : 0;
}

void TaskAllocator::Free(const IdList* block) {
    // Freeing what this allocator does not own (again, or never) is harmless, as with FreeIDList.
    blocks_.erase(block);
}

std::uint64_t TaskAllocator::SerialOf(const IdList* block) const {
    const auto found = blocks_.find(block);
    return found == blocks_.end() ? 0 : found->second.serial;
}

AllocatedIdList::AllocatedIdList(TaskAllocator& allocator, IdList list)
    : allocator_(&allocator), block_(allocator.Alloc(std::move(list))), serial_(allocator.SerialOf(block_)) {}

AllocatedIdList::AllocatedIdList(AllocatedIdList&& other) noexcept
    : allocator_(std::exchange(other.allocator_, nullptr)), block_(std::exchange(other.block_, nullptr)),
      serial_(std::exchange(other.serial_, 0)) {}

AllocatedIdList& AllocatedIdList::operator=(AllocatedIdList&& other) noexcept {
    if (this != &other) {
        Free();
        allocator_ = std::exchange(other.allocator_, nullptr);
        block_ = std::exchange(other.block_, nullptr);
        serial_ = std::exchange(other.serial_, 0);
    }
    return *this;
}

AllocatedIdList::~AllocatedIdList() {
    Free();
}

void AllocatedIdList::Free() {
    if (allocator_ && block_ && allocator_->SerialOf(block_) == serial_)
        allocator_->Free(block_);
    block_ = nullptr;
    serial_ = 0;
}

} // namespace platform

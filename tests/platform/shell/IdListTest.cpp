#include "platform/shell/IdList.h"

#include "platform/shell/TaskAllocator.h"

#include <gtest/gtest.h>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

using platform::AllocatedIdList;
using platform::IdList;
using platform::TaskAllocator;

namespace {

std::string Bytes(std::initializer_list<int> values) {
    std::string bytes;
    for (int value : values)
        bytes.push_back(static_cast<char>(value));
    return bytes;
}

TEST(IdList, MalformedBytesAreRejected) {
    for (const std::string& bytes :
         {Bytes({0, 0, 3, 0, 'a'}), Bytes({1, 0, 'a'}), Bytes({3, 0, 'a', 4, 0, 'b'}), Bytes({3, 0, 'a', 9}),
          std::string(0x10000, '\0')})
        EXPECT_THROW(IdList::FromBytes(bytes), std::invalid_argument)
            << testing::PrintToString(bytes.substr(0, 8));
}

TEST(IdList, ParsesWellFormedListIntoItems) {
    const IdList list = IdList::FromBytes(Bytes({3, 0, 'a', 2, 0, 5, 0, 'x', 0, 'y'}));
    EXPECT_EQ(list.Items().back(), Bytes({5, 0, 'x', 0, 'y'}));
    const std::string last = Bytes({'x', 0, 'y'});
    EXPECT_EQ(list.Payloads(), (std::vector<std::string_view>{"a", "", last}));
    EXPECT_EQ(IdList::FromBytes("").Terminated(), Bytes({0, 0}));
}

TEST(IdList, ItemPrefixIsLittleEndianAndSizesAreBounded) {
    const IdList item = IdList::FromItem(std::string(300, 'p'));
    EXPECT_EQ(item.Bytes().substr(0, 2), Bytes({302 & 0xFF, 302 >> 8}));
    EXPECT_EQ(IdList::FromBytes(item.Bytes()), item);
    EXPECT_THROW(IdList::FromItem(std::string(0xFFFE, 'p')), std::invalid_argument);
    const IdList big = IdList::FromItem(std::string(40000, 'x'));
    EXPECT_THROW(big + big, std::length_error);
}

TEST(IdList, JoinAndFirstKeepItemBoundaries) {
    const IdList a = IdList::FromItem("computer");
    const IdList b = IdList::FromItem(Bytes({'n', 0, static_cast<char>(0xFF)}));
    const IdList joined = a + b;
    EXPECT_EQ(joined.First(), a);
    EXPECT_EQ(joined.Payloads().back(), b.Payloads().front());
    EXPECT_EQ(IdList() + a, a);
    EXPECT_TRUE(IdList().First().IsEmpty());
}

TEST(TaskAllocator, OwnsWhatItHandsOutUntilFreed) {
    TaskAllocator allocator;
    const IdList foreign;
    const IdList* block = allocator.Alloc(IdList::FromItem("a"));
    EXPECT_EQ(allocator.DidAlloc(block), 1);
    EXPECT_EQ(allocator.DidAlloc(&foreign), 0);
    EXPECT_EQ(allocator.DidAlloc(nullptr), 0);
    allocator.Free(block);
    EXPECT_EQ(allocator.DidAlloc(block), 0);
    allocator.Free(block); // a second free is ignored
    allocator.Free(&foreign);
    EXPECT_EQ(allocator.LiveBlocks(), 0u);
}

TEST(AllocatedIdList, FreesOnceByHandOnDestructionOrOnMove) {
    TaskAllocator allocator;
    {
        AllocatedIdList list(allocator, IdList::FromItem("a"));
        EXPECT_EQ(allocator.LiveBlocks(), 1u);
    }
    EXPECT_EQ(allocator.LiveBlocks(), 0u);

    AllocatedIdList freed(allocator, IdList::FromItem("b"));
    freed.Free();
    EXPECT_FALSE(freed);
    freed.Free();
    EXPECT_EQ(allocator.LiveBlocks(), 0u);

    AllocatedIdList first(allocator, IdList::FromItem("a"));
    const IdList* block = first.Get();
    AllocatedIdList second(std::move(first));
    AllocatedIdList third(allocator, IdList::FromItem("c"));
    third = std::move(second); // frees "c", takes "a"
    EXPECT_EQ(third.Get(), block);
    EXPECT_EQ(allocator.LiveBlocks(), 1u);
}

TEST(AllocatedIdList, BlockFreedBehindItsBackIsNotFreedAgainAfterReuse) {
    TaskAllocator allocator;
    AllocatedIdList stale(allocator, IdList::FromItem("old"));
    allocator.Free(stale.Get()); // the receiver freed it through the allocator, as FreeIDList does
    // Allocate until the allocator may hand out the same address again.
    std::vector<AllocatedIdList> fresh;
    for (int i = 0; i < 64; ++i)
        fresh.emplace_back(allocator, IdList::FromItem("new"));
    stale.Free();
    EXPECT_EQ(allocator.LiveBlocks(), 64u);
    for (const auto& list : fresh)
        EXPECT_EQ(allocator.DidAlloc(list.Get()), 1);
}

} // namespace

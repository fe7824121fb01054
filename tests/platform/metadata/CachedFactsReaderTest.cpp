#include "platform/metadata/CachedFactsReader.h"

#include "FakeFactsReaders.h"
#include "RowNames.h"
#include "ScratchFolder.h"
#include "TestMedia.h"

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>

namespace {

using rownames::PrintTo;

using engine::recipes::FactBit;
using platform::metadata::Fact;
using platform::metadata::FactSet;

class CachedRead : public testing::Test {
protected:
    CachedRead() { folder.Write("a.jpg", "photo"); }
    std::string A() const { return folder.Sub("a.jpg"); }

    ScratchFolder folder;
    fakes::RecordingFactsReader files;
    platform::metadata::CachedFactsReader cache{files};
};

TEST_F(CachedRead, ReadsAFileOnce) {
    const auto first = cache.Read(A(), FactBit(Fact::Camera));
    const auto second = cache.Read(A(), FactBit(Fact::Camera));
    EXPECT_EQ(files.Asked().size(), 1u);
    EXPECT_EQ(second, first);
    EXPECT_EQ(second.camera, "camera of " + A());
}

TEST_F(CachedRead, ReadsOnlyTheFactsNotYetKnown) {
    cache.Read(A(), FactBit(Fact::Camera));
    const auto both = cache.Read(A(), FactBit(Fact::Camera) | FactBit(Fact::Title));
    ASSERT_EQ(files.Asked().size(), 2u);
    EXPECT_EQ(files.Asked()[1].second, FactBit(Fact::Title));
    EXPECT_EQ(both.camera, "camera of " + A());
    EXPECT_EQ(both.title, "title of " + A());
}

TEST_F(CachedRead, AskedForNothingReadsNothing) {
    EXPECT_EQ(cache.Read(A(), FactSet()), platform::metadata::FileFacts{});
    EXPECT_TRUE(files.Asked().empty());
}

TEST_F(CachedRead, AHardLinkIsTheSameFile) {
    std::filesystem::create_hard_link(A(), folder.Sub("b.jpg"));
    cache.Read(A(), FactBit(Fact::Camera));
    EXPECT_EQ(cache.Read(folder.Sub("b.jpg"), FactBit(Fact::Camera)).camera, "camera of " + A());
    EXPECT_EQ(files.Asked().size(), 1u);
}

TEST_F(CachedRead, AFileThatIsGoneIsNotRemembered) {
    const std::string gone = folder.Sub("gone.jpg");
    cache.Read(gone, FactBit(Fact::Camera));
    cache.Read(gone, FactBit(Fact::Camera));
    EXPECT_EQ(files.Asked().size(), 2u);
    EXPECT_EQ(cache.Size(), 0u);
}

struct ChangeRow {
    const char* label;
    std::function<void(const ScratchFolder& folder)> change;
    std::size_t reads;
};

class ChangedFile : public CachedRead, public testing::WithParamInterface<ChangeRow> {};

TEST_P(ChangedFile, IsReadAgainOnlyWhenItIsAnotherFile) {
    testmedia::SetModified(A(), {2023, 1, 2, 10, 0, 0});
    cache.Read(A(), FactBit(Fact::Camera));
    GetParam().change(folder);
    cache.Read(A(), FactBit(Fact::Camera));
    EXPECT_EQ(files.Asked().size(), GetParam().reads);
}

INSTANTIATE_TEST_SUITE_P(
    Changes, ChangedFile,
    testing::Values(ChangeRow{"Unchanged", [](const ScratchFolder&) {}, 1},
                    ChangeRow{"RenamedBackAndForth",
                              [](const ScratchFolder& folder) {
                                  std::filesystem::rename(folder.Sub("a.jpg"), folder.Sub("b.jpg"));
                                  std::filesystem::rename(folder.Sub("b.jpg"), folder.Sub("a.jpg"));
                              },
                              1},
                    ChangeRow{"Grown",
                              [](const ScratchFolder& folder) {
                                  folder.Write("a.jpg", "photo, edited");
                                  testmedia::SetModified(folder.Sub("a.jpg"), {2023, 1, 2, 10, 0, 0});
                              },
                              2},
                    ChangeRow{"Touched",
                              [](const ScratchFolder& folder) {
                                  testmedia::SetModified(folder.Sub("a.jpg"), {2023, 1, 2, 10, 0, 1});
                              },
                              2},
                    ChangeRow{"ReplacedByAnotherFileOfTheSameSizeAndTime",
                              [](const ScratchFolder& folder) {
                                  folder.Write("new.jpg", "PHOTO");
                                  testmedia::SetModified(folder.Sub("new.jpg"), {2023, 1, 2, 10, 0, 0});
                                  std::filesystem::rename(folder.Sub("new.jpg"), folder.Sub("a.jpg"));
                              },
                              2}),
    rownames::RowLabel());

} // namespace

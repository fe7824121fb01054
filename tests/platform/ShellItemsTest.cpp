#include "platform/ShellItems.h"

#include <gtest/gtest.h>

using namespace platform;

namespace {

const ShellLocation kDesktop = DesktopLocation("/home/ann/Desktop");

IdList Items(std::initializer_list<IdList> items) {
    IdList list;
    for (const IdList& item : items)
        list = list + item;
    return list;
}

struct PathCase {
    const char* name;
    IdList list;
    std::optional<std::string> path; // nullopt: virtual
};

class ResolvedPath : public testing::TestWithParam<PathCase> {};

TEST_P(ResolvedPath, FollowsTheItemsWithoutTheDisk) {
    const auto location = ResolveLocation(kDesktop, GetParam().list);
    ASSERT_TRUE(location);
    EXPECT_EQ(location->path, GetParam().path);
    EXPECT_EQ(location->absolute, GetParam().list);
}

INSTANTIATE_TEST_SUITE_P(
    ShellItems, ResolvedPath,
    testing::Values(PathCase{"BelowRoot",
                             Items({MakeItem(ItemKind::Computer), MakeItem(ItemKind::Drive, "/"),
                                    MakeItem(ItemKind::Folder, "etc")}),
                             "/etc"},
                    PathCase{"Server",
                             Items({MakeItem(ItemKind::Network), MakeItem(ItemKind::Server, "nas")}),
                             std::nullopt},
                    PathCase{"Share",
                             Items({MakeItem(ItemKind::Network), MakeItem(ItemKind::Server, "nas"),
                                    MakeItem(ItemKind::Share, "/mnt/e"), MakeItem(ItemKind::Folder, "d")}),
                             "/mnt/e/d"}),
    [](const auto& info) { return std::string(info.param.name); });

struct BadCase {
    const char* name;
    IdList list;
};

class UnresolvedList : public testing::TestWithParam<BadCase> {};

TEST_P(UnresolvedList, IsRefused) {
    EXPECT_FALSE(ResolveLocation(kDesktop, GetParam().list));
}

INSTANTIATE_TEST_SUITE_P(
    ShellItems, UnresolvedList,
    testing::Values(
        BadCase{"EmptyItem", IdList::FromItem("")}, BadCase{"UnknownKind", IdList::FromItem("Zx")},
        BadCase{"DotDot", MakeItem(ItemKind::Folder, "..")},
        BadCase{"DriveOnDesktop", MakeItem(ItemKind::Drive, "/")},
        BadCase{"DriveWithDotDot",
                Items({MakeItem(ItemKind::Computer), MakeItem(ItemKind::Drive, "/media/../etc")})},
        BadCase{"FolderInComputer", Items({MakeItem(ItemKind::Computer), MakeItem(ItemKind::Folder, "a")})},
        BadCase{"ComputerBelowFolder",
                Items({MakeItem(ItemKind::Folder, "a"), MakeItem(ItemKind::Computer)})}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ShellItems, PathPartsAroundTheRoot) {
    EXPECT_EQ(ParentPath("/a"), "/");
    EXPECT_EQ(LastComponent("/media/stick/"), "stick");
    EXPECT_EQ(LastComponent("/"), "/");
}

} // namespace

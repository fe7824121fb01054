#include "platform/shell/ShellItems.h"

#include <gtest/gtest.h>

using namespace platform;

namespace {

const ShellLocation kDesktop = DesktopLocation("/home/ann/Desktop");

std::optional<std::string> PathOf(const IdList& list) {
    const auto location = ResolveLocation(kDesktop, list).value();
    EXPECT_EQ(location.absolute, list);
    return location.path;
}

TEST(ShellItems, PathsFollowTheItemsWithoutTheDisk) {
    const IdList rootDrive = MakeItem(ItemKind::Computer) + MakeItem(ItemKind::Drive, "/");
    EXPECT_EQ(PathOf(rootDrive + MakeItem(ItemKind::Folder, "etc")), "/etc");
    const IdList server = MakeItem(ItemKind::Network) + MakeItem(ItemKind::Server, "nas");
    EXPECT_EQ(PathOf(server), std::nullopt); // virtual
    EXPECT_EQ(PathOf(server + MakeItem(ItemKind::Share, "/mnt/e") + MakeItem(ItemKind::Folder, "d")),
              "/mnt/e/d");
}

TEST(ShellItems, MalformedListsAreRefused) {
    const std::pair<const char*, IdList> cases[] = {
        {"EmptyItem", IdList::FromItem("")},
        {"UnknownKind", IdList::FromItem("Zx")},
        {"DotDot", MakeItem(ItemKind::Folder, "..")},
        {"DriveOnDesktop", MakeItem(ItemKind::Drive, "/")},
        {"DriveWithDotDot", MakeItem(ItemKind::Computer) + MakeItem(ItemKind::Drive, "/media/../etc")},
        {"FolderInComputer", MakeItem(ItemKind::Computer) + MakeItem(ItemKind::Folder, "a")},
        {"ComputerBelowFolder", MakeItem(ItemKind::Folder, "a") + MakeItem(ItemKind::Computer)},
    };
    for (const auto& [name, list] : cases)
        EXPECT_FALSE(ResolveLocation(kDesktop, list)) << name;
}

TEST(ShellItems, PathPartsAroundTheRoot) {
    EXPECT_EQ(ParentPath("/a"), "/");
    EXPECT_EQ(LastComponent("/media/stick/"), "stick");
    EXPECT_EQ(LastComponent("/"), "/");
}

} // namespace

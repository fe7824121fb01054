#include "platform/shell/LinuxShellNamespace.h"

#include "platform/shell/FolderProbe.h"
#include "platform/shell/ShellNamespace.h"

#include <QCoreApplication>
#include <QTranslator>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

using namespace platform;
namespace fs = std::filesystem;

namespace {

constexpr std::uint32_t kListFlags = SHCONTF_FOLDERS | SHCONTF_INCLUDEHIDDEN;
constexpr std::uint32_t kAllAttributes =
    SFGAO_HASSUBFOLDER | SFGAO_FILESYSTEM | SFGAO_FOLDER | SFGAO_SHARE | SFGAO_LINK;

std::vector<IdList> ListAll(ShellFolder& folder, std::uint32_t flags = kListFlags) {
    std::vector<IdList> items;
    auto listing = folder.EnumObjects(flags);
    if (!listing)
        return items;
    while (auto item = listing->Next())
        items.push_back(**item);
    return items;
}

std::string Name(ShellFolder& folder, const IdList& item, std::uint32_t flags) {
    const StrRet name = folder.GetDisplayNameOf(item, flags);
    EXPECT_EQ(name.type, STRRET_WSTR);
    return name.wstr.value_or("<none>");
}

// A fresh folder below the desktop for one test, removed with everything in it at the end.
class LinuxShell : public testing::Test {
protected:
    void SetUp() override {
        desktop_ = LocateDesktopFolder();
        root_ = fs::path(desktop_) / testing::UnitTest::GetInstance()->current_test_info()->name();
        fs::create_directories(root_);
        shell_ = CreateLinuxShellNamespace();
        rootFolder_ = shell_->GetDesktopFolder()->BindToObject(RootItem());
        ASSERT_TRUE(rootFolder_);
    }
    void TearDown() override {
        rootFolder_.reset();
        if (shell_) {
            EXPECT_EQ(shell_->Malloc().LiveBlocks(), 0u);
        }
        fs::remove_all(root_);
    }

    IdList RootItem() const {
        auto parsed = shell_->GetDesktopFolder()->ParseDisplayName(root_.filename().string());
        return parsed ? **parsed : IdList::FromItem("?");
    }
    std::set<std::string> ListedNames(std::uint32_t flags = kListFlags) {
        std::set<std::string> names;
        for (const IdList& item : ListAll(*rootFolder_, flags))
            names.insert(Name(*rootFolder_, item, SHGDN_INFOLDER));
        return names;
    }
    IdList ItemNamed(const std::string& name) {
        for (const IdList& item : ListAll(*rootFolder_))
            if (Name(*rootFolder_, item, SHGDN_INFOLDER) == name)
                return item;
        ADD_FAILURE() << "no item " << name;
        return {};
    }
    std::uint32_t Attributes(const std::string& name) {
        std::uint32_t mask = kAllAttributes;
        EXPECT_TRUE(rootFolder_->GetAttributesOf(ItemNamed(name), mask));
        return mask;
    }

    std::string desktop_;
    fs::path root_;
    std::unique_ptr<ShellNamespace> shell_;
    std::shared_ptr<ShellFolder> rootFolder_;
};

TEST_F(LinuxShell, DesktopIsTheXdgDesktopFolderOrElseHome) {
    const std::string home = std::getenv("HOME");
    EXPECT_EQ(desktop_, home + "/Desktop");
    const auto location = shell_->GetSpecialFolderLocation(CSIDL_DESKTOP);
    ASSERT_TRUE(location);
    EXPECT_TRUE((*location)->IsEmpty());
    EXPECT_EQ(shell_->GetPathFromIDList(**location), desktop_);
    EXPECT_EQ(Name(*shell_->GetDesktopFolder(), IdList(), SHGDN_NORMAL), "Desktop");

    const fs::path moved = home + "/Desktop.away";
    fs::rename(desktop_, moved);
    const std::string located = LocateDesktopFolder();
    fs::rename(moved, desktop_);
    EXPECT_EQ(located, home);
}

TEST_F(LinuxShell, ListsFoldersHiddenOnesAndFlaggedLinksButNeverFiles) {
    fs::create_directories(root_ / "Visible" / "inner");
    fs::create_directory(root_ / ".hidden");
    fs::create_directory(root_ / "files");
    std::ofstream(root_ / "files" / "a.txt") << "a";
    std::ofstream(root_ / "file.txt") << "x";
    fs::create_directory_symlink(root_ / "Visible", root_ / "link");
    fs::create_symlink(root_ / "file.txt", root_ / "filelink");
    fs::create_symlink(root_ / "nowhere", root_ / "dangling");
    EXPECT_EQ(ListedNames(), (std::set<std::string>{"Visible", ".hidden", "files", "link"}));
    EXPECT_EQ(ListedNames(SHCONTF_FOLDERS), (std::set<std::string>{"Visible", "files", "link"}));
    const std::uint32_t folder = SFGAO_FILESYSTEM | SFGAO_FOLDER;
    EXPECT_EQ(Attributes("Visible"), folder | SFGAO_HASSUBFOLDER);
    EXPECT_EQ(Attributes(".hidden"), folder);
    EXPECT_EQ(Attributes("files"), folder); // holds files only
    EXPECT_EQ(Attributes("link"), folder | SFGAO_LINK | SFGAO_HASSUBFOLDER);
}

// A folder too large for a quick look: asked so, the namespace puts the sub-folder question off and hands
// out a check that runs anywhere; asked plainly, it reads the whole folder as ever.
TEST_F(LinuxShell, PutsOffTheSubFolderQuestionOfALargeFolderWhenAllowed) {
    fs::create_directory(root_ / "large");
    for (std::size_t i = 0; i < QuickLookEntries + 24; ++i)
        std::ofstream(root_ / "large" / ("file" + std::to_string(i)));
    fs::create_directory(root_ / "target");
    const IdList large = ItemNamed("large");

    std::uint32_t mask = SFGAO_HASSUBFOLDER | SFGAO_ISSLOW;
    ASSERT_TRUE(rootFolder_->GetAttributesOf(large, mask));
    EXPECT_EQ(mask, SFGAO_ISSLOW);
    mask = SFGAO_HASSUBFOLDER;
    ASSERT_TRUE(rootFolder_->GetAttributesOf(large, mask));
    EXPECT_EQ(mask, 0u);

    const IdList absolute = RootItem() + large;
    const std::function<bool()> check = shell_->SubFolderCheck(absolute);
    ASSERT_TRUE(check);
    EXPECT_FALSE(check());
    // The check reads the folder when it runs, not when it is handed out.
    fs::create_directory_symlink(root_ / "target", root_ / "large" / "link");
    EXPECT_TRUE(check());
    // Nothing to check for a place that is no folder of the disk.
    const auto trash = shell_->GetSpecialFolderLocation(CSIDL_BITBUCKET);
    ASSERT_TRUE(trash);
    EXPECT_FALSE(shell_->SubFolderCheck(**trash));
}

// The icon query answers only the attributes asked for, so that it never repeats the sub-folder question.
TEST_F(LinuxShell, FileInfoAnswersTheAttributesAskedFor) {
    fs::create_directories(root_ / "outer" / "inner");
    const IdList absolute = RootItem() + ItemNamed("outer");
    const std::uint32_t flags = SHGFI_SYSICONINDEX | SHGFI_PIDL | SHGFI_ATTRIBUTES;
    std::uint32_t attributes = SFGAO_FOLDER;
    shell_->GetFileInfo(absolute, flags | SHGFI_ATTR_SPECIFIED, &attributes);
    EXPECT_EQ(attributes, SFGAO_FOLDER);
    attributes = 0;
    shell_->GetFileInfo(absolute, flags, &attributes);
    EXPECT_EQ(attributes, SFGAO_FOLDER | SFGAO_FILESYSTEM | SFGAO_HASSUBFOLDER);
}

TEST_F(LinuxShell, NamesAndPathsKeepTheRawBytes) {
    const std::string name = "caf\xE9 \x01";
    fs::create_directory(root_ / name);
    const IdList item = ItemNamed(name);
    const std::string path = (root_ / name).string();
    EXPECT_EQ(Name(*rootFolder_, item, SHGDN_NORMAL), name);
    EXPECT_EQ(Name(*rootFolder_, item, SHGDN_FORPARSING), path);
    EXPECT_EQ(shell_->GetPathFromIDList(RootItem() + item), path);
}

TEST_F(LinuxShell, VanishedOrUnreadableFolderRefusesListing) {
    fs::create_directories(root_ / "gone" / "x");
    fs::create_directory(root_ / "locked");
    const IdList gone = ItemNamed("gone");
    auto bound = rootFolder_->BindToObject(gone);
    ASSERT_TRUE(bound);
    fs::remove_all(root_ / "gone");
    EXPECT_EQ(bound->EnumObjects(kListFlags), nullptr);
    EXPECT_EQ(shell_->GetPathFromIDList(RootItem() + gone), (root_ / "gone").string());

    if (geteuid() != 0) { // the superuser reads every folder
        auto locked = rootFolder_->BindToObject(ItemNamed("locked"));
        fs::permissions(root_ / "locked", fs::perms::none);
        EXPECT_EQ(locked->EnumObjects(kListFlags), nullptr);
        fs::permissions(root_ / "locked", fs::perms::owner_all);
    }
}

TEST_F(LinuxShell, ComputerListsTheRootDriveFirst) {
    auto location = shell_->GetSpecialFolderLocation(CSIDL_DRIVES);
    ASSERT_TRUE(location);
    EXPECT_FALSE(shell_->GetPathFromIDList(**location));
    auto computer = shell_->GetDesktopFolder()->BindToObject(**location);
    ASSERT_TRUE(computer);
    const auto drives = ListAll(*computer);
    ASSERT_FALSE(drives.empty());
    EXPECT_EQ(Name(*computer, drives.front(), SHGDN_FORPARSING), "/");
    EXPECT_EQ(shell_->GetPathFromIDList(**location + drives.front()), "/");
    const auto parsed = computer->ParseDisplayName("/");
    ASSERT_TRUE(parsed);
    EXPECT_EQ(**parsed, drives.front());
    EXPECT_FALSE(computer->ParseDisplayName(root_.string()));
}

TEST_F(LinuxShell, TrashAndNetworkAreVirtual) {
    auto desktop = shell_->GetDesktopFolder();
    for (int csidl : {CSIDL_BITBUCKET, CSIDL_NETWORK}) {
        auto location = shell_->GetSpecialFolderLocation(csidl);
        ASSERT_TRUE(location);
        EXPECT_FALSE(shell_->GetPathFromIDList(**location));
        std::uint32_t mask = kAllAttributes;
        ASSERT_TRUE(desktop->GetAttributesOf(**location, mask));
        EXPECT_FALSE(mask & SFGAO_FILESYSTEM);
        EXPECT_NE(desktop->BindToObject(**location)->EnumObjects(kListFlags), nullptr);
    }
    EXPECT_FALSE(shell_->GetSpecialFolderLocation(0x05));
}

// Marks every text that passes through the program's translation.
class MarkingTranslator : public QTranslator {
public:
    QString translate(const char*, const char* source, const char*, int) const override {
        return QStringLiteral("[") + QString::fromUtf8(source) + QStringLiteral("]");
    }
    bool isEmpty() const override { return false; }
};

// The desktop's own places are captions of the program, in its language; their parsing names are not.
TEST_F(LinuxShell, PlacesAreNamedInTheProgramsLanguage) {
    const struct {
        int csidl;
        const char* caption;
        const char* parsing;
    } places[] = {{CSIDL_DRIVES, "Computer", "computer:///"},
                  {CSIDL_BITBUCKET, "Trash", "trash:///"},
                  {CSIDL_NETWORK, "Network", "network:///"}};
    auto desktop = shell_->GetDesktopFolder();
    // Returns the root drive's caption.
    const auto check = [&](const std::string& mark) -> std::string {
        for (const auto& place : places) {
            auto location = shell_->GetSpecialFolderLocation(place.csidl);
            EXPECT_TRUE(location);
            if (!location)
                return {};
            EXPECT_EQ(Name(*desktop, **location, SHGDN_NORMAL),
                      mark + place.caption + (mark.empty() ? "" : "]"));
            EXPECT_EQ(Name(*desktop, **location, SHGDN_FORPARSING), place.parsing);
        }
        auto computer = desktop->BindToObject(**shell_->GetSpecialFolderLocation(CSIDL_DRIVES));
        const auto drives = computer ? ListAll(*computer) : std::vector<IdList>{};
        EXPECT_FALSE(drives.empty());
        return drives.empty() ? std::string() : Name(*computer, drives.front(), SHGDN_NORMAL);
    };
    const std::string root = check("");
    MarkingTranslator marking;
    QCoreApplication::installTranslator(&marking);
    // The root file system is "File System" unless it carries a label of its own.
    EXPECT_EQ(check("["), root == "File System" ? "[File System]" : root);
    QCoreApplication::removeTranslator(&marking);
}

TEST_F(LinuxShell, MalformedListsFailQuietly) {
    const IdList bad = IdList::FromItem("F../../etc");
    auto desktop = shell_->GetDesktopFolder();
    EXPECT_FALSE(desktop->GetDisplayNameOf(bad, SHGDN_FORPARSING).wstr);
    EXPECT_FALSE(desktop->BindToObject(bad));
    EXPECT_FALSE(shell_->GetPathFromIDList(bad));
    EXPECT_FALSE(desktop->ParseDisplayName("../etc"));
}

} // namespace

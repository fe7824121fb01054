#include "InMemoryShellNamespace.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace platform;
using testsupport::InMemoryShellNamespace;
using Answer = InMemoryShellNamespace::NameAnswer;

namespace {

// Reads an answer the way the folder tree does: the three STRRET kinds, no string reading as none.
std::optional<std::string> Read(const StrRet& name, const IdList& passed) {
    switch (name.type) {
    case STRRET_WSTR:
        return name.wstr;
    case STRRET_OFFSET: {
        const std::string bytes = passed.Terminated();
        if (name.offset >= bytes.size())
            return std::nullopt;
        return std::string(bytes.c_str() + name.offset);
    }
    case STRRET_CSTR:
        return name.cstr;
    }
    return std::nullopt;
}

struct Fixture {
    InMemoryShellNamespace shell{"/home/t/Desktop"};
    InMemoryShellNamespace::Node root = shell.AddDrive("/", "System");
    InMemoryShellNamespace::Node media = shell.AddDrive("/media/stick", "STICK", true);
    InMemoryShellNamespace::Node docs = shell.AddFolder(shell.Desktop(), "Docs");
    InMemoryShellNamespace::Node hidden = shell.AddFolder(shell.Desktop(), ".cache", 0, true);
    InMemoryShellNamespace::Node link = shell.AddFolder(docs, "Linked", SFGAO_LINK);
};

std::vector<IdList> ListAll(ShellFolder& folder,
                            std::uint32_t flags = SHCONTF_FOLDERS | SHCONTF_INCLUDEHIDDEN) {
    std::vector<IdList> items;
    auto listing = folder.EnumObjects(flags);
    if (!listing)
        return items;
    listing->Reset();
    while (auto item = listing->Next())
        items.push_back(**item);
    return items;
}

struct NameCase {
    const char* name;
    Answer answer;
    std::uint32_t flags;
    std::optional<std::string> expected;
};

class InMemoryNames : public testing::TestWithParam<NameCase> {};

TEST_P(InMemoryNames, AnswerReadsAsScripted) {
    Fixture f;
    f.shell.SetName(f.docs, SHGDN_NORMAL, "My Docs");
    f.shell.SetNameAnswer(f.docs, GetParam().flags, GetParam().answer);
    const IdList item = f.shell.AbsoluteList(f.docs);
    const StrRet answer = f.shell.GetDesktopFolder()->GetDisplayNameOf(item, GetParam().flags);
    EXPECT_EQ(Read(answer, item), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    InMemoryShell, InMemoryNames,
    testing::Values(NameCase{"WstrNormal", Answer::Wstr, SHGDN_NORMAL, "My Docs"},
                    NameCase{"OffsetNormal", Answer::Offset, SHGDN_NORMAL, "My Docs"},
                    NameCase{"OffsetInFolder", Answer::Offset, SHGDN_INFOLDER, "Docs"},
                    NameCase{"OffsetParsing", Answer::Offset, SHGDN_FORPARSING, "/home/t/Desktop/Docs"},
                    NameCase{"CstrParsing", Answer::Cstr, SHGDN_FORPARSING, "/home/t/Desktop/Docs"},
                    NameCase{"CstrInFolder", Answer::Cstr, SHGDN_INFOLDER, "Docs"},
                    NameCase{"NoStringNormal", Answer::WstrWithoutString, SHGDN_NORMAL, std::nullopt},
                    NameCase{"FailedInFolder", Answer::Fail, SHGDN_INFOLDER, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(InMemoryShell, ScriptedAnswerHitsOnlyItsItemAndFlag) {
    Fixture f;
    f.shell.SetNameAnswer(f.docs, SHGDN_NORMAL, Answer::Fail);
    auto desktop = f.shell.GetDesktopFolder();
    EXPECT_EQ(desktop->GetDisplayNameOf(f.shell.AbsoluteList(f.docs), SHGDN_INFOLDER).wstr, "Docs");
    EXPECT_EQ(desktop->GetDisplayNameOf(f.shell.AbsoluteList(f.hidden), SHGDN_NORMAL).wstr, ".cache");
}

TEST(InMemoryShell, OffsetAnswerPointsIntoTheLastItemOfALongerList) {
    Fixture f;
    f.shell.SetDefaultNameAnswer(Answer::Offset);
    const IdList item = f.shell.AbsoluteList(f.link);
    const StrRet answer = f.shell.GetDesktopFolder()->GetDisplayNameOf(item, SHGDN_INFOLDER);
    EXPECT_EQ(answer.type, STRRET_OFFSET);
    EXPECT_EQ(Read(answer, item), "Linked");
}

TEST(InMemoryShell, ListsFoldersWithHiddenOnlyOnRequestAndNeverTheSpecials) {
    Fixture f;
    auto desktop = f.shell.GetDesktopFolder();
    EXPECT_EQ(ListAll(*desktop).size(), 2u);
    const auto visible = ListAll(*desktop, SHCONTF_FOLDERS);
    ASSERT_EQ(visible.size(), 1u);
    EXPECT_EQ(visible[0], f.shell.AbsoluteList(f.docs));
    EXPECT_EQ(f.shell.Enumerations(f.shell.Desktop()), 2);
    EXPECT_EQ(f.shell.LiveBlocks(), 0u);
}

TEST(InMemoryShell, DriveWithoutMediumRefusesUntilInserted) {
    Fixture f;
    auto computer = f.shell.GetDesktopFolder()->BindToObject(f.shell.AbsoluteList(f.shell.Computer()));
    ASSERT_TRUE(computer);
    const IdList stickItem = IdList::FromBytes(f.shell.AbsoluteList(f.media).Items().back());
    auto stick = computer->BindToObject(stickItem);
    ASSERT_TRUE(stick);
    f.shell.AddFolder(f.media, "photos");
    f.shell.SetMediumPresent(f.media, false);
    EXPECT_EQ(stick->EnumObjects(SHCONTF_FOLDERS), nullptr);
    std::uint32_t mask = SFGAO_HASSUBFOLDER;
    ASSERT_TRUE(computer->GetAttributesOf(stickItem, mask));
    EXPECT_EQ(mask, SFGAO_HASSUBFOLDER);
    f.shell.SetMediumPresent(f.media, true);
    EXPECT_EQ(ListAll(*stick).size(), 1u);
}

TEST(InMemoryShell, ParsesADriveByItsMountPoint) {
    Fixture f;
    auto computer = f.shell.GetDesktopFolder()->BindToObject(f.shell.AbsoluteList(f.shell.Computer()));
    auto parsed = computer->ParseDisplayName("/media/stick");
    ASSERT_TRUE(parsed);
    EXPECT_EQ(f.shell.AbsoluteList(f.shell.Computer()) + **parsed, f.shell.AbsoluteList(f.media));
    EXPECT_FALSE(computer->ParseDisplayName("/nowhere"));
}

TEST(InMemoryShell, VanishedFolderFailsButItsListStillNamesItsPath) {
    Fixture f;
    auto desktop = f.shell.GetDesktopFolder();
    const IdList list = f.shell.AbsoluteList(f.link);
    auto bound = desktop->BindToObject(list);
    ASSERT_TRUE(bound);
    f.shell.Remove(f.docs);
    EXPECT_EQ(bound->EnumObjects(SHCONTF_FOLDERS), nullptr);
    EXPECT_FALSE(desktop->BindToObject(list));
    EXPECT_FALSE(desktop->GetDisplayNameOf(list, SHGDN_NORMAL).wstr);
    std::uint32_t mask = SFGAO_FILESYSTEM;
    EXPECT_FALSE(desktop->GetAttributesOf(list, mask));
    EXPECT_FALSE(f.shell.PathExists("/home/t/Desktop/Docs/Linked"));
    EXPECT_TRUE(f.shell.PathExists("/home/t/Desktop"));
    EXPECT_EQ(f.shell.GetPathFromIDList(list), "/home/t/Desktop/Docs/Linked");
}

TEST(InMemoryShell, AttributesFollowTheModelAndScriptedFailures) {
    Fixture f;
    auto desktop = f.shell.GetDesktopFolder();
    const std::uint32_t asked = SFGAO_HASSUBFOLDER | SFGAO_FILESYSTEM | SFGAO_SHARE | SFGAO_LINK;
    std::uint32_t docs = asked, link = asked, trash = asked;
    ASSERT_TRUE(desktop->GetAttributesOf(f.shell.AbsoluteList(f.docs), docs));
    ASSERT_TRUE(desktop->GetAttributesOf(f.shell.AbsoluteList(f.link), link));
    ASSERT_TRUE(desktop->GetAttributesOf(f.shell.AbsoluteList(f.shell.RecycleBin()), trash));
    EXPECT_EQ(docs, SFGAO_HASSUBFOLDER | SFGAO_FILESYSTEM);
    EXPECT_EQ(link, SFGAO_FILESYSTEM | SFGAO_LINK);
    EXPECT_EQ(trash, 0u);
    f.shell.FailAttributes(f.docs);
    f.shell.FailBind(f.hidden);
    EXPECT_FALSE(desktop->GetAttributesOf(f.shell.AbsoluteList(f.docs), docs));
    EXPECT_FALSE(desktop->BindToObject(f.shell.AbsoluteList(f.hidden)));
    EXPECT_TRUE(desktop->BindToObject(f.shell.AbsoluteList(f.docs)));
}

TEST(InMemoryShell, SpecialFoldersLocateUnlessScriptedToFail) {
    Fixture f;
    EXPECT_EQ(**f.shell.GetSpecialFolderLocation(CSIDL_DESKTOP), IdList());
    EXPECT_EQ(**f.shell.GetSpecialFolderLocation(CSIDL_NETWORK), f.shell.AbsoluteList(f.shell.Network()));
    const auto drives = f.shell.GetSpecialFolderLocation(CSIDL_DRIVES);
    EXPECT_FALSE(f.shell.GetPathFromIDList(**drives));
    EXPECT_EQ(f.shell.GetFileInfo(**drives, SHGFI_SYSICONINDEX | SHGFI_PIDL, nullptr), iconComputer);
    f.shell.FailSpecialFolder(CSIDL_BITBUCKET);
    EXPECT_FALSE(f.shell.GetSpecialFolderLocation(CSIDL_BITBUCKET));
}

TEST(InMemoryShell, NotifyDeliversListsOfTheAllocatorToMatchingRegistrations) {
    Fixture f;
    std::vector<std::tuple<std::uint32_t, std::optional<std::string>, std::optional<std::string>>> seen;
    auto registration =
        f.shell.RegisterChangeNotify(SHCNE_MKDIR | SHCNE_RENAMEFOLDER, [&](const ShellChange& change) {
            EXPECT_EQ(f.shell.Malloc().DidAlloc(change.first.Get()), 1);
            seen.emplace_back(change.event, f.shell.GetPathFromIDList(*change.first),
                              change.second ? f.shell.GetPathFromIDList(*change.second) : std::nullopt);
        });
    ASSERT_TRUE(registration);
    f.shell.Rename(f.docs, "Papers");
    f.shell.Notify(SHCNE_RENAMEFOLDER, "/home/t/Desktop/Docs", "/home/t/Desktop/Papers");
    f.shell.Notify(SHCNE_RMDIR, "/home/t/Desktop/Papers"); // not asked for
    f.shell.Notify(SHCNE_MKDIR | SHCNE_INTERRUPT, "/media/stick/new/deeper");
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0], std::make_tuple(SHCNE_RENAMEFOLDER, std::optional<std::string>("/home/t/Desktop/Docs"),
                                       std::optional<std::string>("/home/t/Desktop/Papers")));
    EXPECT_EQ(std::get<1>(seen[1]), "/media/stick/new/deeper");
    EXPECT_EQ(std::get<2>(seen[1]), std::nullopt);
    EXPECT_EQ(f.shell.FindByPath("/home/t/Desktop/Papers/Linked"), f.link);
    registration.reset();
    f.shell.Notify(SHCNE_MKDIR, "/media/stick/x");
    EXPECT_EQ(seen.size(), 2u);
    EXPECT_EQ(f.shell.LiveBlocks(), 0u);
}

TEST(InMemoryShell, ReceiverMayFreeTheListsAndDeregisterWhileDelivered) {
    Fixture f;
    std::unique_ptr<ChangeRegistration> registration;
    int calls = 0;
    registration = f.shell.RegisterChangeNotify(SHCNE_RMDIR, [&](const ShellChange& change) {
        ++calls;
        f.shell.Malloc().Free(change.first.Get());
        f.shell.Malloc().Free(change.second.Get());
        registration.reset();
    });
    f.shell.Notify(SHCNE_RMDIR, "/home/t/Desktop/Docs");
    f.shell.Notify(SHCNE_RMDIR, "/home/t/Desktop/Docs");
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(f.shell.Registrations(), 0u);
    EXPECT_EQ(f.shell.LiveBlocks(), 0u);
}

TEST(InMemoryShell, FailedRegistrationGivesNothing) {
    Fixture f;
    f.shell.FailRegistration();
    EXPECT_FALSE(f.shell.RegisterChangeNotify(SHCNE_MKDIR, [](const ShellChange&) {}));
}

} // namespace

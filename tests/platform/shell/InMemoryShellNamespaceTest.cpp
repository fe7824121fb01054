#include "InMemoryShellNamespace.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace platform;
using fakes::InMemoryShellNamespace;
using Answer = InMemoryShellNamespace::NameAnswer;

// The folder tree's own tests drive every scripted failure of this model; what stays here is what they
// cannot see: how far a script reaches and who owns delivered lists.
namespace {

struct Fixture {
    InMemoryShellNamespace shell{"/home/t/Desktop"};
    InMemoryShellNamespace::Node media = shell.AddDrive("/media/stick", "STICK", true);
    InMemoryShellNamespace::Node docs = shell.AddFolder(shell.Desktop(), "Docs");
    InMemoryShellNamespace::Node hidden = shell.AddFolder(shell.Desktop(), ".cache", 0, true);
    InMemoryShellNamespace::Node link = shell.AddFolder(docs, "Linked", SFGAO_LINK);
};

TEST(InMemoryShell, ScriptedAnswerHitsOnlyItsItemAndFlag) {
    Fixture f;
    f.shell.SetNameAnswer(f.docs, SHGDN_NORMAL, Answer::Fail);
    f.shell.SetNameAnswer(f.docs, SHGDN_INFOLDER, Answer::WstrWithoutString);
    auto desktop = f.shell.GetDesktopFolder();
    const IdList docs = f.shell.AbsoluteList(f.docs);
    EXPECT_FALSE(desktop->GetDisplayNameOf(docs, SHGDN_NORMAL).wstr);
    const StrRet noString = desktop->GetDisplayNameOf(docs, SHGDN_INFOLDER);
    EXPECT_EQ(noString.type, STRRET_WSTR);
    EXPECT_FALSE(noString.wstr);
    EXPECT_EQ(desktop->GetDisplayNameOf(docs, SHGDN_FORPARSING).wstr, "/home/t/Desktop/Docs");
    EXPECT_EQ(desktop->GetDisplayNameOf(f.shell.AbsoluteList(f.hidden), SHGDN_NORMAL).wstr, ".cache");
    // An offset answer points into the last item of a longer list.
    f.shell.SetDefaultNameAnswer(Answer::Offset);
    const IdList item = f.shell.AbsoluteList(f.link);
    const StrRet answer = desktop->GetDisplayNameOf(item, SHGDN_INFOLDER);
    ASSERT_EQ(answer.type, STRRET_OFFSET);
    const std::string bytes = item.Terminated();
    ASSERT_LT(answer.offset, bytes.size());
    EXPECT_STREQ(bytes.c_str() + answer.offset, "Linked");
}

TEST(InMemoryShell, NotifyDeliversListsOfTheAllocatorToMatchingRegistrations) {
    Fixture f;
    using Path = std::optional<std::string>;
    std::vector<std::tuple<std::uint32_t, Path, Path>> seen;
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
    EXPECT_EQ(seen, (std::vector<std::tuple<std::uint32_t, Path, Path>>{
                        {SHCNE_RENAMEFOLDER, "/home/t/Desktop/Docs", "/home/t/Desktop/Papers"},
                        {SHCNE_MKDIR | SHCNE_INTERRUPT, "/media/stick/new/deeper", std::nullopt}}));
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

} // namespace

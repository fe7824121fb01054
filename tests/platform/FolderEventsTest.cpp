#include "platform/FolderEvents.h"

#include "platform/ShellNamespace.h"

#include <cstring>
#include <gtest/gtest.h>
#include <sys/inotify.h>

using namespace platform;

namespace {

// Watch 1 is /w, watch 2 is /w/sub, watch 3 is /other, watch 4 one folder listed under two paths.
const std::map<int, std::vector<std::string>> kWatched{
    {1, {"/w"}}, {2, {"/w/sub"}}, {3, {"/other"}}, {4, {"/x", "/alias"}}};

struct EventCase {
    const char* name;
    std::vector<WatchEvent> events;
    std::vector<FolderChange> changes;
};

class WatchTranslation : public testing::TestWithParam<EventCase> {};

TEST_P(WatchTranslation, GivesTheFolderChanges) {
    EXPECT_EQ(TranslateWatchEvents(GetParam().events, kWatched), GetParam().changes);
}

constexpr std::uint32_t kDir = IN_ISDIR;

INSTANTIATE_TEST_SUITE_P(
    FolderEvents, WatchTranslation,
    testing::Values(
        EventCase{"Created", {{1, IN_CREATE | kDir, 0, "n"}}, {{SHCNE_MKDIR, "/w/n", ""}}},
        EventCase{"Removed", {{2, IN_DELETE | kDir, 0, "n"}}, {{SHCNE_RMDIR, "/w/sub/n", ""}}},
        EventCase{"FilesDoNotMatter", {{1, IN_CREATE, 0, "f.txt"}}, {}},
        EventCase{"EveryPathOfAWatch",
                  {{4, IN_CREATE | kDir, 0, "n"}},
                  {{SHCNE_MKDIR, "/x/n", ""}, {SHCNE_MKDIR, "/alias/n", ""}}},
        EventCase{"RenamedWithin",
                  {{1, IN_MOVED_FROM | kDir, 7, "a"}, {1, IN_MOVED_TO | kDir, 7, "b"}},
                  {{SHCNE_RENAMEFOLDER, "/w/a", "/w/b"}}},
        EventCase{"MovedBetweenWatched",
                  {{1, IN_MOVED_FROM | kDir, 7, "a"}, {3, IN_MOVED_TO | kDir, 7, "a"}},
                  {{SHCNE_RENAMEFOLDER, "/w/a", "/other/a"}}},
        EventCase{"MovedOut", {{1, IN_MOVED_FROM | kDir, 7, "a"}}, {{SHCNE_RMDIR, "/w/a", ""}}},
        EventCase{"MovedIn", {{1, IN_MOVED_TO | kDir, 9, "a"}}, {{SHCNE_MKDIR, "/w/a", ""}}},
        EventCase{"CookiesDoNotMix",
                  {{1, IN_MOVED_FROM | kDir, 7, "a"}, {1, IN_MOVED_TO | kDir, 8, "b"}},
                  {{SHCNE_RMDIR, "/w/a", ""}, {SHCNE_MKDIR, "/w/b", ""}}},
        EventCase{"UnknownWatch", {{42, IN_CREATE | kDir, 0, "n"}}, {}},
        EventCase{"OverflowOnce",
                  {{-1, IN_Q_OVERFLOW, 0, ""}, {-1, IN_Q_OVERFLOW, 0, ""}},
                  {{SHCNE_UPDATEDIR, "", ""}}},
        EventCase{"SelfGoneUnderWatchedParentIsLeftToTheParent",
                  {{2, IN_DELETE_SELF, 0, ""}, {2, IN_IGNORED, 0, ""}, {1, IN_DELETE | kDir, 0, "sub"}},
                  {{SHCNE_RMDIR, "/w/sub", ""}}},
        EventCase{"SelfGoneWithoutWatchedParent", {{1, IN_MOVE_SELF, 0, ""}}, {{SHCNE_RMDIR, "/w", ""}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FolderEvents, ParsesPaddedNamesAndDropsACutOffEvent) {
    std::string buffer;
    const auto append = [&](int wd, std::uint32_t mask, const char* name, std::uint32_t len) {
        inotify_event header{};
        header.wd = wd;
        header.mask = mask;
        header.len = len;
        buffer.append(reinterpret_cast<const char*>(&header), sizeof header);
        std::string padded(name);
        padded.resize(len, '\0');
        buffer.append(padded);
    };
    append(1, IN_CREATE | IN_ISDIR, "new", 16);
    append(2, IN_DELETE_SELF, "", 0);
    append(3, IN_CREATE, "cut", 16);
    buffer.resize(buffer.size() - 4);
    const auto events = ParseWatchEvents(buffer.data(), buffer.size());
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0].name, "new");
    EXPECT_EQ(events[1].mask, static_cast<std::uint32_t>(IN_DELETE_SELF));
    EXPECT_EQ(events[1].name, "");
}

} // namespace

#include "platform/shell/FolderEvents.h"

#include "RowNames.h"
#include "platform/shell/ShellNamespace.h"

#include <gtest/gtest.h>
#include <sys/inotify.h>

using namespace platform;

namespace {

using rownames::PrintTo;

// What real folders cannot easily show: moves between watches, unpaired cookies, watches that vanish and
// lost events twice in one read. Watch 1 is /w, 2 is /w/sub, 3 is /other, 4 one folder under two paths.
const std::map<int, std::vector<std::string>> kWatched{
    {1, {"/w"}}, {2, {"/w/sub"}}, {3, {"/other"}}, {4, {"/x", "/alias"}}};

struct EventCase {
    const char* label;
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
        EventCase{"EveryPathOfAWatch",
                  {{4, IN_CREATE | kDir, 0, "n"}},
                  {{SHCNE_MKDIR, "/x/n", ""}, {SHCNE_MKDIR, "/alias/n", ""}}},
        EventCase{"MovedBetweenWatched",
                  {{1, IN_MOVED_FROM | kDir, 7, "a"}, {3, IN_MOVED_TO | kDir, 7, "a"}},
                  {{SHCNE_RENAMEFOLDER, "/w/a", "/other/a"}}},
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
        EventCase{"SelfGoneWithoutWatchedParent", {{1, IN_MOVE_SELF, 0, ""}}, {{SHCNE_RMDIR, "/w", ""}}},
        EventCase{"OverflowMakesTheChangesBeforeItMoot",
                  {{1, IN_CREATE | kDir, 0, "a"}, {1, IN_DELETE | kDir, 0, "b"}, {-1, IN_Q_OVERFLOW, 0, ""}},
                  {{SHCNE_UPDATEDIR, "", ""}}},
        EventCase{"ChangesAfterAnOverflowStay",
                  {{-1, IN_Q_OVERFLOW, 0, ""}, {1, IN_CREATE | kDir, 0, "a"}},
                  {{SHCNE_UPDATEDIR, "", ""}, {SHCNE_MKDIR, "/w/a", ""}}},
        EventCase{"InterleavedMovesPairByCookie",
                  {{1, IN_MOVED_FROM | kDir, 7, "a"},
                   {1, IN_MOVED_FROM | kDir, 8, "b"},
                   {3, IN_MOVED_TO | kDir, 8, "b2"},
                   {3, IN_MOVED_TO | kDir, 7, "a2"}},
                  {{SHCNE_RENAMEFOLDER, "/w/a", "/other/a2"}, {SHCNE_RENAMEFOLDER, "/w/b", "/other/b2"}}},
        EventCase{"MovedToBeforeItsMovedFromIsNotAPair",
                  {{3, IN_MOVED_TO | kDir, 9, "c"}, {1, IN_MOVED_FROM | kDir, 9, "c"}},
                  {{SHCNE_MKDIR, "/other/c", ""}, {SHCNE_RMDIR, "/w/c", ""}}}),
    rownames::RowLabel());

} // namespace

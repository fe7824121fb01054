// The remembered folder in the user's settings.
#include "platform/settings/FolderStore.h"

#include "RowNames.h"

#include <QSettings>
#include <gtest/gtest.h>
#include <string>

namespace {

using rownames::PrintTo;

class Store : public ::testing::Test {
protected:
    void SetUp() override { Settings().clear(); }
    void TearDown() override { Settings().clear(); }
    static QSettings Settings() {
        return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Harbeck"),
                         QStringLiteral("TitleShaperWorkshop"));
    }
    platform::SettingsFolderStore store_;
};

struct FolderRow {
    const char* label;
    std::string folder;
};

class StoreRoundTrip : public Store, public ::testing::WithParamInterface<FolderRow> {};

TEST_P(StoreRoundTrip, ReadsBackWhatItWrote) {
    store_.SaveFolder(GetParam().folder);
    EXPECT_EQ(platform::SettingsFolderStore().LoadFolder(), GetParam().folder);
}

INSTANTIATE_TEST_SUITE_P(
    Folders, StoreRoundTrip,
    ::testing::Values(FolderRow{"Empty", ""},
                      FolderRow{"CommaSemicolonAndEquals", "/tmp/with, comma; and = sign"},
                      FolderRow{"Utf8", "/tmp/\xC3\xA9t\xC3\xA9"}, FolderRow{"NotUtf8", "/tmp/caf\xE9"},
                      FolderRow{"LooksLikeAByteArray", "/tmp/@ByteArray"}),
    rownames::RowLabel());

TEST_F(Store, NothingStoredReadsAsTheEmptyText) {
    EXPECT_EQ(store_.LoadFolder(), "");
}

TEST_F(Store, AFolderIsWrittenAsPlainTextForOtherTools) {
    store_.SaveFolder("/srv/data");
    EXPECT_EQ(Settings().value("CloseDir").typeId(), QMetaType::QString);
    EXPECT_EQ(Settings().value("CloseDir").toString(), "/srv/data");
}

TEST_F(Store, TheTextEndsAtItsFirstNul) {
    Settings().setValue("CloseDir", QString::fromUtf8("/tmp\0/rest", 10));
    EXPECT_EQ(store_.LoadFolder(), "/tmp");
}

} // namespace

#include "FolderTree/DisplayNames.h"
#include "FolderTree/PathNames.h"
#include "InMemoryShellNamespace.h"

#include <gtest/gtest.h>

namespace {

using Answer = testsupport::InMemoryShellNamespace::NameAnswer;

struct ModeCase {
    const char* label;
    const char* name;
    TDisplayMode mode;
    const char* caption;
};

class DisplayModeTest : public ::testing::TestWithParam<ModeCase> {};

TEST_P(DisplayModeTest, ChangesOnlyAsciiLetters) {
    EXPECT_EQ(ApplyDisplayModeTo(GetParam().name, GetParam().mode), GetParam().caption);
}

INSTANTIATE_TEST_SUITE_P(
    Captions, DisplayModeTest,
    ::testing::Values(ModeCase{"AsisKeepsName", "Program Files", dmAsis, "Program Files"},
                      ModeCase{"Upper", "Program Files", dmUppercase, "PROGRAM FILES"},
                      ModeCase{"Lower", "Program Files", dmLowercase, "program files"},
                      ModeCase{"UpperKeepsAccents", "\xC3\xA9t\xC3\xA9 d\xC3\xA9j\xC3\xA0", dmUppercase,
                               "\xC3\xA9T\xC3\xA9 D\xC3\xA9J\xC3\xA0"},
                      ModeCase{"LowerKeepsAccents", "\xC3\x89LAN", dmLowercase, "\xC3\x89lan"},
                      ModeCase{"InvalidBytesStay",
                               "a\xFF\xFE"
                               "b",
                               dmUppercase,
                               "A\xFF\xFE"
                               "B"}),
    [](const auto& info) { return std::string(info.param.label); });

struct CompareCase {
    const char* a;
    const char* b;
    int sign;
};

class CaptionOrderTest : public ::testing::TestWithParam<CompareCase> {};

TEST_P(CaptionOrderTest, FoldsOnlyAsciiLetters) {
    const int result = CompareCaptions(GetParam().a, GetParam().b);
    EXPECT_EQ((result > 0) - (result < 0), GetParam().sign) << GetParam().a << " vs " << GetParam().b;
}

INSTANTIATE_TEST_SUITE_P(Order, CaptionOrderTest,
                         ::testing::Values(CompareCase{"alpha", "Beta", -1}, CompareCase{"Beta", "alpha", 1},
                                           CompareCase{"ALPHA", "alpha", 0}, CompareCase{"abc", "abcd", -1},
                                           // '_' lies between 'Z' and 'a': folding puts it after letters
                                           CompareCase{"_x", "a", 1},
                                           // bytes above 127 compare unsigned, after every ASCII byte
                                           CompareCase{"\xC3\xA9", "z", 1}));

struct PathCase {
    const char* path;
    const char* normalized; // nullptr: cannot be placed
};

class NormalizeTest : public ::testing::TestWithParam<PathCase> {};

TEST_P(NormalizeTest, Forms) {
    const auto result = NormalizeFolderPath(GetParam().path);
    if (!GetParam().normalized)
        EXPECT_FALSE(result) << GetParam().path;
    else
        EXPECT_EQ(result.value_or("<none>"), GetParam().normalized);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, NormalizeTest,
    ::testing::Values(PathCase{"", nullptr}, PathCase{"usr/lib", nullptr}, PathCase{"c:", nullptr},
                      PathCase{"/", "/"}, PathCase{"//", "/"}, PathCase{"/usr/lib/", "/usr/lib"},
                      PathCase{"/usr//lib", "/usr/lib"}, PathCase{"/usr/./lib/.", "/usr/lib"},
                      PathCase{"/usr/../tmp", "/tmp"}, PathCase{"/..", "/"},
                      PathCase{"\\\\server\\share\\", "\\\\server\\share"}, PathCase{"\\\\", "\\\\"}));

TEST(PathNamesTest, WithinAndBelow) {
    EXPECT_TRUE(IsPathWithin("/media/usb/x", "/media/usb"));
    EXPECT_TRUE(IsPathWithin("/media/usb", "/media/usb"));
    EXPECT_FALSE(IsPathWithin("/media/usb2", "/media/usb"));
    EXPECT_TRUE(IsPathWithin("/anything", "/"));
    EXPECT_EQ(ComponentsBelow("/media/usb/a/b", "/media/usb", '/'), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(ComponentsBelow("/usr", "/", '/'), (std::vector<std::string>{"usr"}));
    EXPECT_EQ(ComponentsBelow("\\\\srv\\docs", "\\\\", '\\'), (std::vector<std::string>{"srv", "docs"}));
    EXPECT_EQ(JoinPath("/", "usr", '/'), "/usr");
    EXPECT_EQ(JoinPath("\\\\", "srv", '\\'), "\\\\srv");
    EXPECT_EQ(ParentPath("/usr/lib"), "/usr");
    EXPECT_EQ(ParentPath("/usr"), "/");
    EXPECT_EQ(ParentPath("/"), "");
}

// Names as the namespace answers them, in each of its forms and failures.
struct NameCase {
    const char* label;
    Answer normalAnswer;
    Answer parsingAnswer;
    Answer inFolderAnswer;
    std::uint32_t flags;
    const char* expected;
};

class DisplayNameTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(DisplayNameTest, Decodes) {
    testsupport::InMemoryShellNamespace ns("/home/tester/Desktop");
    const auto node = ns.AddFolder(ns.Desktop(), "alpha");
    ns.SetNameAnswer(node, platform::SHGDN_NORMAL, GetParam().normalAnswer);
    ns.SetNameAnswer(node, platform::SHGDN_FORPARSING, GetParam().parsingAnswer);
    ns.SetNameAnswer(node, platform::SHGDN_INFOLDER, GetParam().inFolderAnswer);
    auto desktop = ns.GetDesktopFolder();
    EXPECT_EQ(GetDisplayName(ns.AbsoluteList(node), GetParam().flags, desktop.get()), GetParam().expected);
}

constexpr const char* AlphaPath = "/home/tester/Desktop/alpha";

INSTANTIATE_TEST_SUITE_P(
    Answers, DisplayNameTest,
    ::testing::Values(
        NameCase{"WstrNormal", Answer::Wstr, Answer::Wstr, Answer::Wstr, platform::SHGDN_NORMAL, "alpha"},
        NameCase{"OffsetInFolder", Answer::Wstr, Answer::Wstr, Answer::Offset, platform::SHGDN_INFOLDER,
                 "alpha"},
        NameCase{"OffsetParsing", Answer::Wstr, Answer::Offset, Answer::Wstr, platform::SHGDN_FORPARSING,
                 AlphaPath},
        NameCase{"CstrNormal", Answer::Cstr, Answer::Wstr, Answer::Wstr, platform::SHGDN_NORMAL, "alpha"},
        NameCase{"NormalWithoutStringRetriesAsParsing", Answer::WstrWithoutString, Answer::Wstr, Answer::Wstr,
                 platform::SHGDN_NORMAL, AlphaPath},
        NameCase{"FailedNormalRetriesAsParsing", Answer::Fail, Answer::Cstr, Answer::Wstr,
                 platform::SHGDN_NORMAL, AlphaPath},
        NameCase{"RetryHappensOnce", Answer::Fail, Answer::Fail, Answer::Wstr, platform::SHGDN_NORMAL, ""},
        NameCase{"InFolderWithoutStringIsEmpty", Answer::Wstr, Answer::Wstr, Answer::WstrWithoutString,
                 platform::SHGDN_INFOLDER, ""},
        NameCase{"FailedParsingIsEmpty", Answer::Wstr, Answer::Fail, Answer::Wstr, platform::SHGDN_FORPARSING,
                 ""}),
    [](const auto& info) { return std::string(info.param.label); });

// A folder that answers an offset beyond the list it was given.
class StrayOffsetFolder : public platform::ShellFolder {
public:
    platform::StrRet GetDisplayNameOf(const platform::IdList&, std::uint32_t) override {
        platform::StrRet answer;
        answer.type = platform::STRRET_OFFSET;
        answer.offset = 4096;
        return answer;
    }
    bool GetAttributesOf(const platform::IdList&, std::uint32_t&) override { return false; }
    std::shared_ptr<platform::ShellFolder> BindToObject(const platform::IdList&) override { return nullptr; }
    std::unique_ptr<platform::EnumIdList> EnumObjects(std::uint32_t) override { return nullptr; }
    std::optional<platform::AllocatedIdList> ParseDisplayName(std::string_view) override { return {}; }
};

TEST(DisplayNameSafetyTest, OffsetOutsideTheListReadsNothing) {
    StrayOffsetFolder folder;
    EXPECT_EQ(GetDisplayName(platform::IdList::FromItem("abc"), platform::SHGDN_INFOLDER, &folder), "");
}

} // namespace

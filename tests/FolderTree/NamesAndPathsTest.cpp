#include "FolderTree/DisplayNames.h"
#include "FolderTree/PathNames.h"
#include "InMemoryShellNamespace.h"

#include <gtest/gtest.h>

namespace {

using Answer = fakes::InMemoryShellNamespace::NameAnswer;

TEST(CaptionsTest, DisplayModesChangeOnlyAsciiLetters) {
    EXPECT_EQ(ApplyDisplayModeTo("\xC3\xA9t\xC3\xA9 d\xC3\xA9j\xC3\xA0", dmUppercase),
              "\xC3\xA9T\xC3\xA9 D\xC3\xA9J\xC3\xA0");
    EXPECT_EQ(ApplyDisplayModeTo("\xC3\x89LAN", dmLowercase), "\xC3\x89lan");
    EXPECT_EQ(ApplyDisplayModeTo("a\xFF\xFE"
                                 "b",
                                 dmUppercase),
              "A\xFF\xFE"
              "B");
}

TEST(CaptionsTest, OrderFoldsOnlyAsciiLetters) {
    auto sign = [](const char* a, const char* b) {
        const int result = CompareCaptions(a, b);
        return (result > 0) - (result < 0);
    };
    EXPECT_EQ(sign("alpha", "Beta"), -1);
    EXPECT_EQ(sign("ALPHA", "alpha"), 0);
    EXPECT_EQ(sign("abc", "abcd"), -1);
    EXPECT_EQ(sign("_x", "a"), 1);       // '_' lies between 'Z' and 'a': folding puts it after letters
    EXPECT_EQ(sign("\xC3\xA9", "z"), 1); // bytes above 127 compare unsigned, after every ASCII byte
}

// Empty, relative and trailing-separator forms are covered through SelectPath.
TEST(PathNamesTest, NormalForms) {
    EXPECT_FALSE(NormalizeFolderPath("c:"));
    EXPECT_EQ(NormalizeFolderPath("//"), "/");
    EXPECT_EQ(NormalizeFolderPath("/usr//lib"), "/usr/lib");
    EXPECT_EQ(NormalizeFolderPath("/usr/./lib/."), "/usr/lib");
    EXPECT_EQ(NormalizeFolderPath("/usr/../tmp"), "/tmp");
    EXPECT_EQ(NormalizeFolderPath("/.."), "/");
    EXPECT_EQ(NormalizeFolderPath("\\\\server\\share\\"), "\\\\server\\share");
    EXPECT_EQ(NormalizeFolderPath("\\\\"), "\\\\");
}

TEST(PathNamesTest, BoundariesAtTheRoots) {
    EXPECT_FALSE(IsPathWithin("/media/usb2", "/media/usb"));
    EXPECT_TRUE(IsPathWithin("/anything", "/"));
    EXPECT_FALSE(IsPathWithin("/media/usb\\x", "/media/usb")); // a sibling whose name holds a backslash
    EXPECT_TRUE(IsPathWithin("\\\\srv\\docs", "\\\\srv"));
    EXPECT_EQ(ComponentsBelow("\\\\srv\\docs", "\\\\", '\\'), (std::vector<std::string>{"srv", "docs"}));
    EXPECT_EQ(ParentPath("/"), "");
}

// Names as the namespace answers them, in each of its forms and failures.
TEST(DisplayNameTest, AnswerKindsAndTheOneRetryOfTheNormalName) {
    auto name = [](Answer normal, Answer parsing, std::uint32_t flags) {
        fakes::InMemoryShellNamespace ns("/home/tester/Desktop");
        const auto node = ns.AddFolder(ns.Desktop(), "alpha");
        ns.SetNameAnswer(node, platform::SHGDN_NORMAL, normal);
        ns.SetNameAnswer(node, platform::SHGDN_FORPARSING, parsing);
        return GetDisplayName(ns.AbsoluteList(node), flags, ns.GetDesktopFolder().get());
    };
    const std::string path = "/home/tester/Desktop/alpha";
    constexpr auto normal = platform::SHGDN_NORMAL;
    EXPECT_EQ(name(Answer::Wstr, Answer::Wstr, normal), "alpha");
    EXPECT_EQ(name(Answer::Wstr, Answer::Offset, platform::SHGDN_FORPARSING), path);
    EXPECT_EQ(name(Answer::Cstr, Answer::Wstr, normal), "alpha");
    EXPECT_EQ(name(Answer::Fail, Answer::Cstr, normal), path);                   // retried for parsing
    EXPECT_EQ(name(Answer::WstrWithoutString, Answer::Wstr, normal), path);      // retried for parsing
    EXPECT_EQ(name(Answer::Fail, Answer::Fail, normal), "");                     // only once
    EXPECT_EQ(name(Answer::Wstr, Answer::Fail, platform::SHGDN_FORPARSING), ""); // no retry
}

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

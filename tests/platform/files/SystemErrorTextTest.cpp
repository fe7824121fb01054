// The system's reasons for a failed rename or listing: in English exactly as the C library words them, and
// in the program's language where it has a translation of them.
#include "engine/text/EngineText.h"
#include "platform/files/IoError.h"

#include <cerrno>
#include <cstring>
#include <gtest/gtest.h>
#include <string>

namespace {

// The program's own words for these causes, whatever the C library says for the others.
constexpr int Translated[] = {EPERM,        ENOENT,    EIO,    ENOMEM,     EACCES,  EBUSY,  EEXIST, EXDEV,
                              ENOTDIR,      EISDIR,    EINVAL, EMFILE,     ETXTBSY, ENOSPC, EROFS,  EMLINK,
                              ENAMETOOLONG, ENOTEMPTY, ELOOP,  EOPNOTSUPP, EDQUOT,  ESTALE};

std::string Marking(const char* context, const char* source) {
    return std::string("[") + context + "] " + source;
}

class SystemErrorTextTest : public testing::TestWithParam<int> {
protected:
    void TearDown() override { engine::SetTextTranslation(nullptr); }
};

TEST_P(SystemErrorTextTest, EnglishIsTheCLibrarysOwnWording) {
    EXPECT_EQ(platform::SystemErrorText(GetParam()), ::strerrordesc_np(GetParam()));
}

TEST_P(SystemErrorTextTest, GoesThroughTheProgramsTranslation) {
    engine::SetTextTranslation(&Marking);
    EXPECT_EQ(platform::SystemErrorText(GetParam()), std::string("[Files] ") + ::strerrordesc_np(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(Causes, SystemErrorTextTest, testing::ValuesIn(Translated),
                         [](const testing::TestParamInfo<int>& info) {
                             return std::string(::strerrorname_np(info.param));
                         });

TEST(SystemErrorTexts, OtherCausesStayInTheCLibrarysEnglish) {
    engine::SetTextTranslation(&Marking);
    EXPECT_EQ(platform::SystemErrorText(ENETUNREACH), ::strerrordesc_np(ENETUNREACH));
    EXPECT_EQ(platform::SystemErrorText(100000), "[Files] Unknown error 100000");
    engine::SetTextTranslation(nullptr);
    EXPECT_EQ(platform::SystemErrorText(100000), "Unknown error 100000");
}

} // namespace

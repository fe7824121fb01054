// Which pairs of names take the route through a temporary name: those a case-insensitive file system
// holds for one name. Any other pair that meets an existing target is a plain failure.

#include "platform/files/LetterCase.h"

#include <gtest/gtest.h>
#include <string>

namespace {

TEST(LetterCase, OnlyNamesThatDifferInCaseAloneCount) {
    const struct {
        std::string a, b;
        bool caseOnly;
    } cases[] = {
        {"photo.jpg", "Photo.JPG", true},
        {"caf\xC3\xA9.txt", "CAF\xC3\x89.TXT", true}, // é and É
        {"a.txt", "a.txt", false},                    // the same name
        {"a.txt", "b.txt", false},                    // another letter
        {"a.txt", "a.txt ", false},                   // another length
        {"a.txt", "a.tx", false},                     // a name's beginning
        {"caf\xE9.txt", "CAF\xC9.TXT", false},        // Latin-1 bytes: no characters to compare
        {"caf\xE9.txt", "CAF\xE9.TXT", true},         // the same stray byte among letters
    };
    for (const auto& c : cases) {
        EXPECT_EQ(platform::DifferInLetterCaseOnly(c.a, c.b), c.caseOnly)
            << testing::PrintToString(c.a) << " / " << testing::PrintToString(c.b);
        EXPECT_EQ(platform::DifferInLetterCaseOnly(c.b, c.a), c.caseOnly)
            << testing::PrintToString(c.b) << " / " << testing::PrintToString(c.a);
    }
}

} // namespace

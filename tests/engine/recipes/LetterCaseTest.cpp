// Letter case: the quick path for ASCII runs must agree with ICU's full mappings.

#include "engine/recipes/LetterCase.h"

#include "RowNames.h"

#include <gtest/gtest.h>
#include <random>
#include <string>
#include <unicode/bytestream.h>
#include <unicode/casemap.h>
#include <unicode/stringoptions.h>

namespace {

using rownames::PrintTo;

using engine::recipes::ChangeCase;
using engine::recipes::LetterCase;

struct CaseRun {
    const char* label;
    LetterCase to;
    const char* accented; // " é" in this case
};

class AsciiAgreesWithIcu : public testing::TestWithParam<CaseRun> {};

// A trailing " é" sends the whole text through ICU; without it an ASCII text takes the quick path. Both
// must give the same letters for the ASCII part.
TEST_P(AsciiAgreesWithIcu, OnRandomNames) {
    const CaseRun& run = GetParam();
    const std::string alphabet = "aZbY09 _-.'()+$&xQ";
    std::mt19937 random(18);
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    std::uniform_int_distribution<int> length(0, 12);
    for (int sample = 0; sample < 2000; ++sample) {
        std::string name;
        for (int k = length(random); k > 0; --k) {
            name.push_back(alphabet[pick(random)]);
        }
        EXPECT_EQ(ChangeCase(name + " é", run.to), ChangeCase(name, run.to) + run.accented)
            << '"' << name << '"';
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, AsciiAgreesWithIcu,
                         testing::Values(CaseRun{"Lower", LetterCase::Lower, " é"},
                                         CaseRun{"Upper", LetterCase::Upper, " É"},
                                         CaseRun{"Title", LetterCase::Title, " É"}),
                         rownames::RowLabel());

// ICU's title case of one word taken as a whole, the mapping that title case gives each word.
std::string IcuTitleOfWord(const std::string& word) {
    std::string out;
    icu::StringByteSink<std::string> sink(&out);
    UErrorCode status = U_ZERO_ERROR;
    icu::CaseMap::utf8ToTitle("", U_TITLECASE_WHOLE_STRING, nullptr, word, sink, nullptr, status);
    EXPECT_TRUE(U_SUCCESS(status)) << u_errorName(status);
    return out;
}

// Inside a text that is not all ASCII, its ASCII words are titled without ICU; they must come out as ICU
// titles them, apostrophes and digits included.
TEST(LetterCase, AsciiWordsAmongAccentedOnesAsIcuTitlesThem) {
    const std::string first = "aZbY09xQ";
    const std::string rest = "aZbY09xQ'";
    std::mt19937 random(2026);
    std::uniform_int_distribution<std::size_t> pickFirst(0, first.size() - 1);
    std::uniform_int_distribution<std::size_t> pickRest(0, rest.size() - 1);
    std::uniform_int_distribution<int> length(0, 10);
    for (int sample = 0; sample < 2000; ++sample) {
        std::string word(1, first[pickFirst(random)]);
        for (int k = length(random); k > 0; --k) {
            // An apostrophe belongs to the word only with a letter or digit after it.
            word.push_back(word.back() == '\'' ? first[pickFirst(random)] : rest[pickRest(random)]);
        }
        if (word.back() == '\'') {
            word.push_back('a');
        }
        EXPECT_EQ(ChangeCase("ÉTÉ " + word + " à", LetterCase::Title), "Été " + IcuTitleOfWord(word) + " À")
            << '"' << word << '"';
    }
}

TEST(LetterCase, FullMappingsAndFinalSigma) {
    EXPECT_EQ(ChangeCase("ǆemal", LetterCase::Title), "ǅemal"); // a digraph's title form, not its capital
    EXPECT_EQ(ChangeCase("ΟΔΟΣ", LetterCase::Lower), "οδος");   // final sigma at the end of the word
    EXPECT_EQ(ChangeCase("ﬁle", LetterCase::Upper), "FILE");    // a ligature opens into two letters
    EXPECT_EQ(ChangeCase("ßtraße", LetterCase::Sentence), "Sstraße");
}

TEST(LetterCase, SentenceStartsAfterBadBytes) {
    EXPECT_EQ(ChangeCase("\xFF"
                         "abc DEF",
                         LetterCase::Sentence),
              "\xFF"
              "Abc def");
    EXPECT_EQ(ChangeCase("-- \xFF", LetterCase::Sentence), "-- \xFF");
}

} // namespace

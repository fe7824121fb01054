#include "JitPattern.h"

#define PCRE2_CODE_UNIT_WIDTH 8
#include <algorithm>
#include <cstdint>
#include <pcre2.h>

namespace engine::recipes {
namespace {

// The limit on a search's work (in PCRE2's units, a few nanoseconds each) for every byte of the text, and
// a floor for short ones. A pattern as a user writes it needs one or two a byte; a search that needs more
// than this many is left to RE2, whose time is linear in the text whatever the pattern.
constexpr std::uint32_t kWorkPerByte = 32;
constexpr std::uint32_t kLeastWork = 256;
constexpr std::size_t kLongestCounted = 1 << 20; // keeps the limit within 32 bits

struct CompileContextFree {
    void operator()(pcre2_compile_context* context) const { pcre2_compile_context_free(context); }
};

// Each thread's match data and match context, made once and grown when a search wants more groups.
class ThreadScratch {
public:
    ~ThreadScratch() {
        pcre2_match_data_free(data_);
        pcre2_match_context_free(context_);
    }

    pcre2_match_data* Data(int pairs) {
        if (pairs > pairs_) {
            pcre2_match_data_free(data_);
            data_ = pcre2_match_data_create(static_cast<std::uint32_t>(pairs), nullptr);
            pairs_ = data_ ? pairs : 0;
        }
        return data_;
    }

    pcre2_match_context* Context() {
        if (!context_) {
            context_ = pcre2_match_context_create(nullptr);
        }
        return context_;
    }

private:
    pcre2_match_data* data_ = nullptr;
    int pairs_ = 0;
    pcre2_match_context* context_ = nullptr;
};

} // namespace

struct JitPattern::Code {
    pcre2_code* code = nullptr;
    ~Code() { pcre2_code_free(code); }
};

JitPattern::JitPattern(std::unique_ptr<Code> code) : code_(std::move(code)) {}
JitPattern::JitPattern(JitPattern&&) noexcept = default;
JitPattern& JitPattern::operator=(JitPattern&&) noexcept = default;
JitPattern::~JitPattern() = default;

std::optional<JitPattern> JitPattern::Compile(std::string_view pattern) {
    const std::unique_ptr<pcre2_compile_context, CompileContextFree> context(
        pcre2_compile_context_create(nullptr));
    if (!context) {
        return std::nullopt;
    }
    // A line ends at a line feed alone, as for RE2 (`.` matches anything else).
    pcre2_set_newline(context.get(), PCRE2_NEWLINE_LF);
    int error = 0;
    PCRE2_SIZE errorOffset = 0;
    auto code = std::make_unique<Code>();
    code->code = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(pattern.data()), pattern.size(),
                               PCRE2_UTF | PCRE2_DOLLAR_ENDONLY | PCRE2_NEVER_UCP | PCRE2_NEVER_BACKSLASH_C,
                               &error, &errorOffset, context.get());
    if (!code->code || pcre2_jit_compile(code->code, PCRE2_JIT_COMPLETE) != 0) {
        return std::nullopt;
    }
    return JitPattern(std::move(code));
}

JitPattern::Outcome JitPattern::Search(std::string_view text, std::size_t start, std::string_view* groups,
                                       int count) const {
    thread_local ThreadScratch scratch;
    pcre2_match_data* data = scratch.Data(count);
    pcre2_match_context* context = scratch.Context();
    if (!data || !context) {
        return Outcome::GaveUp;
    }
    const auto bytes = static_cast<std::uint32_t>(std::min<std::size_t>(text.size(), kLongestCounted));
    pcre2_set_match_limit(context, kLeastWork + kWorkPerByte * bytes);
    const int found = pcre2_match(code_->code, reinterpret_cast<PCRE2_SPTR>(text.data()), text.size(), start,
                                  0, data, context);
    if (found == PCRE2_ERROR_NOMATCH) {
        return Outcome::NoMatch;
    }
    if (found <= PCRE2_ERROR_UTF8_ERR1 && found >= PCRE2_ERROR_UTF8_ERR21) {
        return Outcome::NotUtf8;
    }
    if (found < 0) {
        return Outcome::GaveUp; // the limit, the JIT's stack, or anything else: RE2 answers instead
    }
    // found is one more than the highest group set, or 0 when the match data holds fewer pairs than
    // there are groups (it then holds `count` of them).
    const PCRE2_SIZE* offsets = pcre2_get_ovector_pointer(data);
    const int set = found == 0 ? count : found;
    for (int k = 0; k < count; ++k) {
        const PCRE2_SIZE begin = offsets[2 * k];
        groups[k] = k >= set || begin == PCRE2_UNSET
                        ? std::string_view()
                        : std::string_view(text.data() + begin, offsets[2 * k + 1] - begin);
    }
    return Outcome::Match;
}

} // namespace engine::recipes

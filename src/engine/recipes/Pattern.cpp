#include "Pattern.h"

#include "CommonRegexSyntax.h"

#include <re2/re2.h>
#include <vector>

namespace engine::recipes {
namespace {

// After this many searches PCRE2 gave up on, a pattern is searched by RE2 alone: the work spent before
// giving up is then small beside a batch, however many names follow.
constexpr int kGiveUpsBeforeRe2Alone = 64;

RE2::Options Options(bool literal, bool ignoreCase) {
    RE2::Options options;
    options.set_log_errors(false);
    options.set_case_sensitive(!ignoreCase);
    options.set_literal(literal);
    return options;
}

} // namespace

Pattern::Pattern(const std::string& pattern, bool literal, bool ignoreCase)
    : re2_(std::make_unique<RE2>(pattern, Options(literal, ignoreCase))) {
    if (re2_->ok() && !literal && !ignoreCase && InCommonRegexSyntax(pattern)) {
        jit_ = JitPattern::Compile(pattern);
    }
}

Pattern::~Pattern() = default;

bool Pattern::Ok() const {
    return re2_->ok();
}

const std::string& Pattern::Error() const {
    return re2_->error();
}

int Pattern::NumberOfCapturingGroups() const {
    return re2_->NumberOfCapturingGroups();
}

const std::map<std::string, int>& Pattern::NamedCapturingGroups() const {
    return re2_->NamedCapturingGroups();
}

bool Pattern::HasJit() const {
    return jit_.has_value();
}

bool Pattern::Match(std::string_view text, std::size_t start, std::string_view* groups, int count) const {
    if (jit_ && jitGaveUp_.load(std::memory_order_relaxed) < kGiveUpsBeforeRe2Alone) {
        switch (jit_->Search(text, start, groups, count)) {
        case JitPattern::Outcome::Match:
            return true;
        case JitPattern::Outcome::NoMatch:
            return false;
        case JitPattern::Outcome::NotUtf8:
            break;
        case JitPattern::Outcome::GaveUp:
            jitGaveUp_.fetch_add(1, std::memory_order_relaxed);
            break;
        }
    }
    thread_local std::vector<re2::StringPiece> submatch;
    submatch.resize(static_cast<std::size_t>(count));
    if (!re2_->Match(re2::StringPiece(text.data(), text.size()), start, text.size(), RE2::UNANCHORED,
                     submatch.data(), count)) {
        return false;
    }
    for (int k = 0; k < count; ++k) {
        const re2::StringPiece& piece = submatch[static_cast<std::size_t>(k)];
        groups[k] =
            piece.data() == nullptr ? std::string_view() : std::string_view(piece.data(), piece.size());
    }
    return true;
}

} // namespace engine::recipes

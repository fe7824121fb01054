#include "CompiledRecipe.h"

#include "LetterCase.h"
#include "NameParts.h"
#include "Pattern.h"
#include "StepNames.h"
#include "Tokens.h"
#include "engine/names/Utf8.h"
#include "engine/text/EngineText.h"

#include <algorithm>

namespace engine::recipes {
namespace {

constexpr int kMaxCounterWidth = 20;

struct CompiledStep {
    Step step;
    std::unique_ptr<Pattern> pattern; // a regular expression, or a literal find without regard to case
    std::optional<TextTemplate> text; // `with` of a replace, `text` of an insert
    // Groups to capture: the whole match and every group up to the highest that `with` uses. The groups
    // past it are not asked for: the fewer, the less the pattern's matching has to track (none at all lets
    // it find the match without following the groups), and the match and the groups asked for are the same.
    int submatches = 1;
};

std::string Sentence(std::size_t index, const Step& step, std::string_view keyAndPhrase) {
    return StepPrefix(index, StepWord(step)) + std::string(keyAndPhrase) + ".";
}

// Checks a step's values and compiles its pattern and text; an error sentence on a fault.
std::string CompileStep(std::size_t index, CompiledStep& compiled) {
    const Step& step = compiled.step;
    std::string error;
    if (const auto* replace = std::get_if<ReplaceStep>(&step)) {
        if (replace->find.empty()) {
            return Sentence(index, step, ENGINE_TEXT("Recipe", "\"find\" must not be empty"));
        }
        RegexGroups groups;
        if (replace->regex || replace->ignoreCase) {
            compiled.pattern = std::make_unique<Pattern>(replace->find, !replace->regex, replace->ignoreCase);
            if (!compiled.pattern->Ok()) {
                return Sentence(index, step,
                                Fill(ENGINE_TEXT("Recipe", "\"find\" is not a valid regular expression (%1)"),
                                     {compiled.pattern->Error()}));
            }
            groups.count = compiled.pattern->NumberOfCapturingGroups();
            groups.names = compiled.pattern->NamedCapturingGroups();
        }
        compiled.text = TextTemplate::Parse(replace->with, replace->regex ? &groups : nullptr, error);
        if (!compiled.text) {
            return Sentence(index, step, Fill(ENGINE_TEXT("Recipe", "\"with\" %1"), {error}));
        }
        compiled.submatches = 1 + std::max(0, compiled.text->HighestGroup());
    } else if (const auto* insert = std::get_if<InsertStep>(&step)) {
        if (insert->at.kind == InsertAt::Kind::Position && insert->at.position == 0) {
            return Sentence(
                index, step,
                ENGINE_TEXT("Recipe", "\"at\" must be start, end or a character position other than 0"));
        }
        compiled.text = TextTemplate::Parse(insert->text, nullptr, error);
        if (!compiled.text) {
            return Sentence(index, step, Fill(ENGINE_TEXT("Recipe", "\"text\" %1"), {error}));
        }
    } else if (const auto* remove = std::get_if<RemoveStep>(&step)) {
        if (remove->from < 1) {
            return Sentence(index, step,
                            ENGINE_TEXT("Recipe", "\"from\" must be a whole number of at least 1"));
        }
        if (remove->count < 0) {
            return Sentence(index, step,
                            ENGINE_TEXT("Recipe", "\"count\" must be a whole number of at least 0"));
        }
    }
    return {};
}

// The byte range of text that a scope covers; nullopt when the text has no such part (no extension).
std::optional<std::pair<std::size_t, std::size_t>> ScopeRange(std::string_view text, Scope scope) {
    switch (scope) {
    case Scope::Whole:
        return std::pair{std::size_t{0}, text.size()};
    case Scope::Name: {
        const std::size_t dot = ExtensionDot(text);
        return std::pair{std::size_t{0}, dot == std::string_view::npos ? text.size() : dot};
    }
    case Scope::Extension: {
        const std::size_t dot = ExtensionDot(text);
        if (dot == std::string_view::npos) {
            return std::nullopt;
        }
        return std::pair{dot + 1, text.size()};
    }
    }
    return std::nullopt;
}

bool ReplaceLiteral(const ReplaceStep& replace, const TextTemplate& with, std::string_view part,
                    const TokenValues& values, std::string& out, std::string& missing) {
    std::size_t pos = 0;
    for (;;) {
        const std::size_t found = part.find(replace.find, pos);
        if (found == std::string_view::npos) {
            break;
        }
        out.append(part.substr(pos, found - pos));
        if (!with.Expand(values, {}, out, missing)) {
            return false;
        }
        pos = found + replace.find.size();
        if (!replace.all) {
            break;
        }
    }
    out.append(part.substr(pos));
    return true;
}

bool ReplacePattern(const CompiledStep& compiled, std::string_view part, const TokenValues& values,
                    std::string& out, std::string& missing) {
    const auto& replace = std::get<ReplaceStep>(compiled.step);
    const Pattern& pattern = *compiled.pattern;
    thread_local std::vector<std::string_view> groups;
    groups.resize(static_cast<std::size_t>(compiled.submatches));
    std::size_t pos = 0;
    std::size_t lastEnd = std::string_view::npos;
    while (pos <= part.size() && pattern.Match(part, pos, groups.data(), compiled.submatches)) {
        const auto begin = static_cast<std::size_t>(groups[0].data() - part.data());
        const std::size_t end = begin + groups[0].size();
        if (begin == end && !utf8::IsBoundary(part, begin)) {
            // An empty match between the bytes of one character (RE2 finds `\B` there): a name is cut
            // only between characters, so the search goes on from that character's end.
            std::size_t next = begin + 1;
            while (!utf8::IsBoundary(part, next)) {
                ++next;
            }
            out.append(part.substr(pos, next - pos));
            pos = next;
            continue;
        }
        if (begin == end && begin == lastEnd) {
            // An empty match right after the previous match: step over one character.
            if (begin == part.size()) {
                break;
            }
            const std::size_t next = utf8::Next(part, begin);
            out.append(part.substr(pos, next - pos));
            pos = next;
            continue;
        }
        out.append(part.substr(pos, begin - pos));
        if (!compiled.text->Expand(values, groups, out, missing)) {
            return false;
        }
        lastEnd = end;
        pos = end;
        if (!replace.all) {
            break;
        }
        if (begin == end) {
            if (end == part.size()) {
                break;
            }
            const std::size_t next = utf8::Next(part, end);
            out.append(part.substr(end, next - end));
            pos = next;
        }
    }
    if (pos < part.size()) {
        out.append(part.substr(pos));
    }
    return true;
}

// Byte offset of character `chars` of text, counted from 0 and clamped to the text.
std::size_t CharOffset(std::string_view text, long long chars) {
    return chars <= 0 ? 0 : utf8::Skip(text, static_cast<std::size_t>(chars));
}

bool ApplyStep(const CompiledStep& compiled, std::string_view part, const TokenValues& values,
               std::string& out, std::string& missing) {
    const Step& step = compiled.step;
    if (const auto* replace = std::get_if<ReplaceStep>(&step)) {
        if (compiled.pattern) {
            return ReplacePattern(compiled, part, values, out, missing);
        }
        return ReplaceLiteral(*replace, *compiled.text, part, values, out, missing);
    }
    if (const auto* change = std::get_if<CaseStep>(&step)) {
        AppendChangeCase(part, change->to, out);
        return true;
    }
    if (const auto* insert = std::get_if<InsertStep>(&step)) {
        // Only a position counted from the end needs the number of characters.
        std::size_t offset = 0;
        switch (insert->at.kind) {
        case InsertAt::Kind::Start:
            break;
        case InsertAt::Kind::End:
            offset = part.size();
            break;
        case InsertAt::Kind::Position:
            offset = insert->at.position > 0
                         ? CharOffset(part, insert->at.position - 1LL)
                         : CharOffset(part, static_cast<long long>(utf8::Count(part)) + insert->at.position);
            break;
        }
        out.append(part.substr(0, offset));
        if (!compiled.text->Expand(values, {}, out, missing)) {
            return false;
        }
        out.append(part.substr(offset));
        return true;
    }
    const auto& remove = std::get<RemoveStep>(step);
    if (!remove.fromEnd) {
        // Counted from the start: the characters are skipped up to the first removed and then past the
        // last, without counting the rest.
        const std::size_t first = CharOffset(part, remove.from - 1LL);
        const std::size_t last = first + CharOffset(part.substr(first), remove.count);
        out.append(part.substr(0, first));
        out.append(part.substr(last));
        return true;
    }
    const auto length = static_cast<long long>(utf8::Count(part));
    const long long last = std::clamp<long long>(length - (remove.from - 1LL), 0, length);
    const long long first = std::clamp<long long>(last - remove.count, 0, last);
    out.append(part.substr(0, CharOffset(part, first)));
    out.append(part.substr(CharOffset(part, last)));
    return true;
}

} // namespace

struct CompiledRecipe::Impl {
    Recipe recipe;
    std::vector<CompiledStep> steps;
    FactSet facts;
};

CompiledRecipe::CompiledRecipe(std::shared_ptr<const Impl> impl) : impl_(std::move(impl)) {}

CompileResult CompiledRecipe::Compile(const Recipe& recipe) {
    if (recipe.counter.width < 1 || recipe.counter.width > kMaxCounterWidth) {
        return {std::nullopt,
                ENGINE_TEXT("Recipe", "Counter: \"width\" must be a whole number from 1 to 20.")};
    }
    auto impl = std::make_shared<Impl>();
    impl->recipe = recipe;
    impl->steps.reserve(recipe.steps.size());
    for (std::size_t index = 0; index < recipe.steps.size(); ++index) {
        CompiledStep compiled;
        compiled.step = recipe.steps[index];
        if (std::string error = CompileStep(index, compiled); !error.empty()) {
            return {std::nullopt, std::move(error)};
        }
        if (compiled.text) {
            impl->facts |= compiled.text->FactsNeeded();
        }
        impl->steps.push_back(std::move(compiled));
    }
    if (recipe.counter.order == CounterOrder::Modified) {
        impl->facts |= FactBit(Fact::Modified);
    } else if (recipe.counter.order == CounterOrder::Taken) {
        impl->facts |= FactBit(Fact::Taken);
    }
    return {CompiledRecipe(std::move(impl)), {}};
}

FactSet CompiledRecipe::FactsNeeded() const {
    return impl_->facts;
}

const Recipe& CompiledRecipe::Source() const {
    return impl_->recipe;
}

NameResult CompiledRecipe::Apply(std::string_view oldName, long long number, const FileFacts* facts) const {
    const TokenValues values{number, impl_->recipe.counter.width, Stem(oldName), Extension(oldName), facts};
    // Each thread keeps its two working strings from name to name rather than allocating them anew.
    thread_local std::string current;
    thread_local std::string next;
    current.assign(oldName);
    std::string missing;
    for (const CompiledStep& step : impl_->steps) {
        const Scope scope = std::visit([](const auto& s) { return s.scope; }, step.step);
        const auto range = ScopeRange(current, scope);
        if (!range) {
            continue;
        }
        next.assign(current, 0, range->first);
        const std::string_view part =
            std::string_view(current).substr(range->first, range->second - range->first);
        if (!ApplyStep(step, part, values, next, missing)) {
            return {std::string(), std::move(missing)};
        }
        next.append(current, range->second);
        current.swap(next);
    }
    return {current, {}};
}

} // namespace engine::recipes

#include "RecipeJson.h"

#include "CompiledRecipe.h"
#include "StepNames.h"
#include "engine/text/EngineText.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <limits>
#include <nlohmann/json.hpp>

namespace engine::recipes {
namespace {

using Json = nlohmann::json;

// A refusal on its way out of the reader: the whole sentence.
struct Refusal {
    std::string sentence;
};

// Reads the keys of one JSON object, each at most once, and refuses what is left unread.
class ObjectReader {
public:
    ObjectReader(const Json& object, std::string prefix) : object_(object), prefix_(std::move(prefix)) {}

    void Fail(const std::string& key, const std::string& phrase) const {
        throw Refusal{prefix_ + "\"" + key + "\" " + phrase + "."};
    }

    const Json* Find(const std::string& key, bool required) {
        known_.push_back(key);
        const auto found = object_.find(key);
        if (found == object_.end()) {
            if (required) {
                Fail(key, ENGINE_TEXT("Recipe", "is missing"));
            }
            return nullptr;
        }
        return &*found;
    }

    void String(const std::string& key, std::string& out, bool required = false) {
        if (const Json* value = Find(key, required)) {
            if (!value->is_string()) {
                Fail(key, ENGINE_TEXT("Recipe", "must be a string"));
            }
            out = value->get<std::string>();
        }
    }

    void Bool(const std::string& key, bool& out) {
        if (const Json* value = Find(key, false)) {
            if (!value->is_boolean()) {
                Fail(key, ENGINE_TEXT("Recipe", "must be true or false"));
            }
            out = value->get<bool>();
        }
    }

    template <typename Int> void Integer(const std::string& key, Int& out, bool required = false) {
        if (const Json* value = Find(key, required)) {
            out = ToInteger<Int>(key, *value);
        }
    }

    template <typename Int> Int ToInteger(const std::string& key, const Json& value) const {
        if (value.is_number_unsigned()) {
            const auto n = value.get<unsigned long long>();
            if (n <= static_cast<unsigned long long>(std::numeric_limits<Int>::max())) {
                return static_cast<Int>(n);
            }
        } else if (value.is_number_integer()) {
            const auto n = value.get<long long>();
            if (n >= std::numeric_limits<Int>::min() && n <= std::numeric_limits<Int>::max()) {
                return static_cast<Int>(n);
            }
        } else if (value.is_number_float() && std::trunc(value.get<double>()) == value.get<double>()) {
            // 3.0 is a whole number; 1e20 is one too, beyond what a count can hold.
            const double n = value.get<double>();
            if (n >= static_cast<double>(std::numeric_limits<Int>::min()) &&
                n < static_cast<double>(std::numeric_limits<Int>::max())) {
                return static_cast<Int>(n);
            }
        } else {
            Fail(key, ENGINE_TEXT("Recipe", "must be a whole number"));
        }
        Fail(key, ENGINE_TEXT("Recipe", "is too large"));
        return 0;
    }

    template <typename Value, std::size_t N>
    void Word(const std::string& key, const std::array<std::pair<std::string_view, Value>, N>& words,
              Value& out) {
        const Json* value = Find(key, false);
        if (value == nullptr) {
            return;
        }
        if (value->is_string()) {
            const std::string word = value->get<std::string>();
            for (const auto& [name, v] : words) {
                if (name == word) {
                    out = v;
                    return;
                }
            }
        }
        std::string list;
        for (std::size_t k = 0; k < N; ++k) {
            list += (k == 0 ? "" : ", ") + std::string(words[k].first);
        }
        Fail(key, Fill(ENGINE_TEXT("Recipe", "must be one of %1"), {list}));
    }

    // Refuses a key that no Find asked for.
    void Finish() const {
        for (const auto& [key, value] : object_.items()) {
            if (std::find(known_.begin(), known_.end(), key) == known_.end()) {
                throw Refusal{prefix_ + Fill(ENGINE_TEXT("Recipe", "unknown key \"%1\"."), {key})};
            }
        }
    }

    const std::string& Prefix() const { return prefix_; }

private:
    const Json& object_;
    std::string prefix_;
    std::vector<std::string> known_;
};

InsertAt ReadAt(ObjectReader& reader) {
    InsertAt at;
    const Json* value = reader.Find("at", false);
    if (value == nullptr) {
        return at;
    }
    if (value->is_string() && *value == "start") {
        at.kind = InsertAt::Kind::Start;
    } else if (value->is_string() && *value == "end") {
        at.kind = InsertAt::Kind::End;
    } else if (value->is_number_integer() && !value->is_number_float()) {
        at.kind = InsertAt::Kind::Position;
        at.position = reader.ToInteger<int>("at", *value);
    } else {
        reader.Fail("at", ENGINE_TEXT("Recipe", "must be start, end or a character position other than 0"));
    }
    return at;
}

Step ReadStep(const std::string& kind, ObjectReader& reader) {
    if (kind == "replace") {
        ReplaceStep step;
        reader.String("find", step.find, true);
        reader.String("with", step.with, true);
        reader.Bool("regex", step.regex);
        reader.Bool("ignoreCase", step.ignoreCase);
        reader.Bool("all", step.all);
        reader.Word("scope", kScopeWords, step.scope);
        return step;
    }
    if (kind == "case") {
        CaseStep step;
        reader.Find("to", true);
        reader.Word("to", kCaseWords, step.to);
        reader.Word("scope", kScopeWords, step.scope);
        return step;
    }
    if (kind == "insert") {
        InsertStep step;
        reader.String("text", step.text, true);
        step.at = ReadAt(reader);
        reader.Word("scope", kScopeWords, step.scope);
        return step;
    }
    RemoveStep step;
    reader.Integer("from", step.from);
    reader.Integer("count", step.count, true);
    reader.Bool("fromEnd", step.fromEnd);
    reader.Word("scope", kScopeWords, step.scope);
    return step;
}

Recipe ReadRecipe(const Json& root) {
    if (!root.is_object()) {
        throw Refusal{
            ENGINE_TEXT("Recipe", "The recipe must be a JSON object with \"counter\" and \"steps\".")};
    }
    Recipe recipe;
    ObjectReader top(root, ENGINE_TEXT("Recipe", "The recipe: "));
    if (const Json* counter = top.Find("counter", false)) {
        if (!counter->is_object()) {
            top.Fail("counter", ENGINE_TEXT("Recipe", "must be an object"));
        }
        ObjectReader reader(*counter, ENGINE_TEXT("Recipe", "Counter: "));
        reader.Integer("start", recipe.counter.start);
        reader.Integer("step", recipe.counter.step);
        reader.Integer("width", recipe.counter.width);
        reader.Word("order", kOrderWords, recipe.counter.order);
        reader.Finish();
    }
    if (const Json* steps = top.Find("steps", false)) {
        if (!steps->is_array()) {
            top.Fail("steps", ENGINE_TEXT("Recipe", "must be a list of steps"));
        }
        for (std::size_t index = 0; index < steps->size(); ++index) {
            const Json& entry = (*steps)[index];
            const std::string where = Fill(ENGINE_TEXT("Recipe", "Step %1: "), {std::to_string(index + 1)});
            if (!entry.is_object() || entry.size() != 1) {
                throw Refusal{
                    where + ENGINE_TEXT("Recipe",
                                        "must be an object with one key: replace, case, insert or remove.")};
            }
            const std::string kind = entry.begin().key();
            if (kind != "replace" && kind != "case" && kind != "insert" && kind != "remove") {
                throw Refusal{where +
                              Fill(ENGINE_TEXT("Recipe", "\"%1\" is not a step; use replace, case, insert or "
                                                         "remove."),
                                   {kind})};
            }
            if (!entry.begin().value().is_object()) {
                throw Refusal{StepPrefix(index, kind) +
                              Fill(ENGINE_TEXT("Recipe", "\"%1\" must be an object."), {kind})};
            }
            ObjectReader reader(entry.begin().value(), StepPrefix(index, kind));
            recipe.steps.push_back(ReadStep(kind, reader));
            reader.Finish();
        }
    }
    top.Finish();
    return recipe;
}

nlohmann::ordered_json StepJson(const Step& step) {
    nlohmann::ordered_json body;
    if (const auto* replace = std::get_if<ReplaceStep>(&step)) {
        body["find"] = replace->find;
        body["with"] = replace->with;
        body["regex"] = replace->regex;
        body["ignoreCase"] = replace->ignoreCase;
        body["all"] = replace->all;
        body["scope"] = WordOf(kScopeWords, replace->scope);
    } else if (const auto* change = std::get_if<CaseStep>(&step)) {
        body["to"] = WordOf(kCaseWords, change->to);
        body["scope"] = WordOf(kScopeWords, change->scope);
    } else if (const auto* insert = std::get_if<InsertStep>(&step)) {
        body["text"] = insert->text;
        switch (insert->at.kind) {
        case InsertAt::Kind::Start:
            body["at"] = "start";
            break;
        case InsertAt::Kind::End:
            body["at"] = "end";
            break;
        case InsertAt::Kind::Position:
            body["at"] = insert->at.position;
            break;
        }
        body["scope"] = WordOf(kScopeWords, insert->scope);
    } else {
        const auto& remove = std::get<RemoveStep>(step);
        body["from"] = remove.from;
        body["count"] = remove.count;
        body["fromEnd"] = remove.fromEnd;
        body["scope"] = WordOf(kScopeWords, remove.scope);
    }
    nlohmann::ordered_json entry;
    entry[std::string(StepWord(step))] = std::move(body);
    return entry;
}

} // namespace

RecipeParse ParseRecipe(std::string_view json) {
    Json root;
    try {
        root = Json::parse(json);
    } catch (const Json::parse_error& error) {
        std::string what = error.what();
        if (const std::size_t tag = what.find("] "); tag != std::string::npos) {
            what.erase(0, tag + 2);
        }
        return {std::nullopt, Fill(ENGINE_TEXT("Recipe", "The recipe is not valid JSON: %1"), {what})};
    }
    Recipe recipe;
    try {
        recipe = ReadRecipe(root);
    } catch (const Refusal& refusal) {
        return {std::nullopt, refusal.sentence};
    }
    // Values that need more than the file's shape: patterns, tokens, ranges.
    CompileResult compiled = CompiledRecipe::Compile(recipe);
    if (!compiled.compiled) {
        return {std::nullopt, std::move(compiled.error)};
    }
    return {std::move(recipe), {}};
}

std::string RecipeToJson(const Recipe& recipe) {
    nlohmann::ordered_json root;
    root["counter"]["start"] = recipe.counter.start;
    root["counter"]["step"] = recipe.counter.step;
    root["counter"]["width"] = recipe.counter.width;
    root["counter"]["order"] = WordOf(kOrderWords, recipe.counter.order);
    root["steps"] = nlohmann::ordered_json::array();
    for (const Step& step : recipe.steps) {
        root["steps"].push_back(StepJson(step));
    }
    // Text that is not UTF-8 cannot be written as JSON; such bytes become U+FFFD rather than fail.
    return root.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + "\n";
}

} // namespace engine::recipes

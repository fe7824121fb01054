#include "EngineText.h"

#include <atomic>

namespace engine {

namespace {

// Set once at the program's start; atomic, so that a worker thread's text reads a whole pointer.
std::atomic<TextTranslation> translation{nullptr};

} // namespace

void SetTextTranslation(TextTranslation function) {
    translation.store(function);
}

std::string TranslatedText(const char* context, const char* source) {
    const TextTranslation function = translation.load();
    return function ? function(context, source) : std::string(source);
}

std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> arguments) {
    std::string text;
    text.reserve(pattern.size());
    for (std::size_t at = 0; at < pattern.size(); ++at) {
        const char c = pattern[at];
        if (c == '%' && at + 1 < pattern.size() && pattern[at + 1] >= '1' && pattern[at + 1] <= '9') {
            const auto index = static_cast<std::size_t>(pattern[at + 1] - '1');
            if (index < arguments.size()) {
                text += arguments.begin()[index];
                ++at;
                continue;
            }
        }
        text += c;
    }
    return text;
}

} // namespace engine

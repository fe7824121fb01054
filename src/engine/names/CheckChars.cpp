// The character check made when the user leaves an entry field whose text ends up in new names.

#include "engine/names/CheckChars.h"

#include "engine/names/Utf8.h"

namespace engine {

int CheckChars(std::string_view text) {
    // The characters Windows refuses in names, kept as the program's rule on every platform; the colon is
    // allowed.
    constexpr std::string_view refused = "/\\;*?\"<>|";
    int position = 1;
    for (std::size_t pos = 0; pos < text.size(); pos = utf8::Next(text, pos), ++position) {
        if (refused.find(text[pos]) != std::string_view::npos) {
            return position;
        }
    }
    return 0;
}

} // namespace engine

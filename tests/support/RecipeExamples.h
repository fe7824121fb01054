#pragma once

// Recipes with the files they work on and what they must give, held both by the Rules dialog's preview
// and by "Quillmap --recipe".
#include "RowNames.h"
#include "engine/recipes/RowMarks.h"

#include <ostream>
#include <string>
#include <vector>

struct RecipeExample {
    const char* label;
    std::vector<std::string> files;    // in the order the window lists them
    std::string recipe;                // the recipe file's text
    std::vector<std::string> newNames; // one a file: blank where the recipe leaves it alone
    std::vector<engine::recipes::RowMark> marks;
};

// Failures name the example by its label.
using rownames::PrintTo;

inline std::vector<RecipeExample> RecipeExamples() {
    using enum engine::recipes::RowMark;
    return {
        {"PrefixAndLowerExtension",
         {"IMG_0412.JPG", "IMG_0413.JPG"},
         R"({"steps": [{"replace": {"find": "IMG_", "with": "Holiday "}},
                       {"case": {"to": "lower", "scope": "extension"}}]})",
         {"Holiday 0412.jpg", "Holiday 0413.jpg"},
         {None, None}},
        {"NaturalOrderCounter",
         {"a10.txt", "a2.txt", "b.txt"},
         R"({"counter": {"width": 2, "order": "natural"}, "steps": [{"insert": {"text": "{n}-"}}]})",
         {"02-a10.txt", "01-a2.txt", "03-b.txt"},
         {None, None, None}},
        {"RegexCaptures",
         {"Artist - 01 - Song Title.mp3"},
         R"({"steps": [{"replace": {"find": "^.* - (\\d+) - (.*)$", "with": "$1 $2", "regex": true,
                                    "scope": "name"}}]})",
         {"01 Song Title.mp3"},
         {None}},
        {"SpaceInADoubleExtension",
         {"my file.tar.gz"},
         R"({"steps": [{"replace": {"find": " ", "with": "_"}}]})",
         {"my_file.tar.gz"},
         {None}},
        {"TitleCaseBeyondAscii",
         {"ÉTÉ à PARIS.txt"},
         R"({"steps": [{"case": {"to": "title", "scope": "name"}}]})",
         {"Été À Paris.txt"},
         {None}},
        {"HiddenFileHasNoExtension",
         {".bashrc"},
         R"({"steps": [{"case": {"to": "upper", "scope": "extension"}}]})",
         {""},
         {Unchanged}},
        {"CounterAfterTheName",
         {"photo.jpeg"},
         R"({"counter": {"start": 7}, "steps": [{"insert": {"text": "_{n}", "at": "end", "scope": "name"}}]})",
         {"photo_7.jpeg"},
         {None}},
        {"NameOfAFileNotRenamed",
         {"a.txt", "b.txt"},
         R"({"steps": [{"replace": {"find": "a", "with": "b"}}]})",
         {"b.txt", ""},
         {TakenByUnrenamed, Unchanged}},
        {"TwoRowsOneName",
         {"x1.txt", "x2.txt", "y.txt"},
         R"({"steps": [{"remove": {"from": 2, "count": 1}}]})",
         {"x.txt", "x.txt", "ytxt"},
         {Duplicate, Duplicate, None}},
        {"NameMadeEmpty",
         {"abc", "keep.txt"},
         R"({"steps": [{"replace": {"find": "^abc$", "with": "", "regex": true}}]})",
         {"", ""},
         {Refused, Unchanged}},
        {"ControlCharactersShownWithStandIns",
         {"tab\there.txt"},
         R"({"steps": [{"case": {"to": "upper", "scope": "name"}}]})",
         {"TAB\tHERE.txt"},
         {None}},
    };
}

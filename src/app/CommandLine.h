#pragma once

#include <QString>
#include <string>
#include <vector>

// What the command line asks for. It is read before any window exists, so --help, --version and a
// mistyped option work without a display.
struct CommandLine {
    enum class Request { Run, Undo, Recipe, ShowHelp, ShowVersion, Refuse };
    Request request = Request::Run;
    // The FOLDER argument exactly as given, as bytes (a Linux path need not be UTF-8); empty when none.
    std::string folder;
    // With --recipe: the recipe file's path or a saved recipe's name, as bytes.
    std::string recipe;
    // With --recipe: rename the files, not only show the new names.
    bool apply = false;
    // What to print: the help text, the version line, or the one-line error.
    QString text;
};

// The exit code of a refused command line, as for any command used wrongly.
inline constexpr int CommandLineErrorCode = 2;

// Reads the program's arguments (argv as bytes, the program's own name first).
CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

#pragma once

#include <QString>

// The texts of the four information pages. They live in the program itself: there is no help file to
// install or to lose.
namespace layout {

QString HelpText();
QString AboutText();
QString ProgrammingText();
QString PayUpText();

} // namespace layout

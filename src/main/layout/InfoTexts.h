#pragma once

#include <QString>

// The texts of the four information pages. They live in the program itself: there is no help file to
// install or to lose.
namespace layout {

QString HelpText();
QString AboutText();
// Names the settings file where the last folder viewed is kept.
QString ProgrammingText(const QString& settingsFile);
QString PayUpText();

} // namespace layout

#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

// A tooltip's text broken into lines no wider than `width` pixels in `font`: between words where it can
// and anywhere where it must, so that a long file name without a space stays on the screen. Never splits
// a character.
QStringList ToolTipLines(const QString& text, const QFont& font, int width);

// The tooltip itself: those lines as rich text, so that a name that looks like markup shows as it is and
// its spaces are kept.
QString WrappedToolTip(const QString& text, const QFont& font, int width);

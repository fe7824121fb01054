#pragma once

#include <QFont>
#include <QStringList>

class QPushButton;
class QTableView;
class QWidget;

// The window's look: the small dialog font of the classic desktop, the button-face background and the
// name grid's plain ruled look.
namespace layout {

// The face the window asks for first, and its size in points.
inline constexpr char ClassicFamily[] = "MS Sans Serif";
inline constexpr int ClassicPointSize = 8;
// Character height of the replacement face, in pixels: the classic face's height at 96 pixels per inch.
inline constexpr int FallbackPixelSize = 11;
// Height of every row of the name grid, the header row included, in pixels.
inline constexpr int GridRowHeight = 15;

// The classic face at 8 points when it is among the installed families; otherwise the given system
// family (or the generic "Sans Serif" when that is empty) at 11 pixels.
QFont ChooseWindowFont(const QStringList& installedFamilies, const QString& systemFamily);

// ChooseWindowFont over the fonts of this machine.
QFont WindowFont();

// Font and button-face background for the window; its children inherit both.
void ApplyWindowLook(QWidget* window);

// The name grid's look: vertical lines between the columns and around the header, none between rows,
// rows 15 pixels high, columns the user cannot resize, a vertical scroll bar only that follows its thumb,
// and no way in by the Tab key.
void ApplyGridLook(QTableView* grid);

// Room between a button's frame and its caption, in pixels, on either side.
inline constexpr int CaptionMargin = 3;

// Makes the button's font smaller, a pixel at a time, until its caption leaves CaptionMargin free on
// either side within the button's frame; the button keeps its size. A caption that fits keeps its font.
void FitCaption(QPushButton* button);

} // namespace layout

#pragma once

class QWidget;

namespace layout {

// Enter and Return press the push button that has the keyboard focus, as Space does, for every push
// button below the given window at the time of the call. The window is no dialog, so the toolkit would
// otherwise leave both keys to the button's parent.
void PressButtonsOnEnter(QWidget* window);

} // namespace layout

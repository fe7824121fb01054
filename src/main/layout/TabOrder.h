#pragma once

#include <QRadioButton>
#include <QWidget>
#include <initializer_list>
#include <vector>

// Keyboard order of the window's controls.
namespace layout {

// Makes Tab visit the controls in the order given.
void SetTabChain(const std::vector<QWidget*>& chain);

// Of a set of mutually exclusive radio buttons only the checked one is reached by Tab, so that Tab
// passes the whole set in one step; the mouse and the arrow keys still reach every one of them. Follows
// every later change of the checked button.
void TabStopOnCheckedOnly(std::initializer_list<QRadioButton*> buttons);

} // namespace layout

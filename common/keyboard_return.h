#pragma once

class QMenuBar;

namespace krugovik {

// A menu of the bar closed with Escape gives the keyboard back to the widget that had it,
// rather than leaving the bar holding it until a second Escape.
void returnKeyboardAfterMenus(QMenuBar *bar);

} // namespace krugovik

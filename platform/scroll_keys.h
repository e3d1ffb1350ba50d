#pragma once
// Keys for scroll bars that move them the way their arrow buttons do. Qt's
// scroll bars invert the arrow keys: Right and Up lower the value.

class QScrollBar;

namespace platform {

/**
 * From now on the keys move `bar` as its buttons would: Right and Down one
 * small step towards the maximum, Left and Up one towards the minimum, Page
 * Down and Page Up by the page step (on a right-to-left horizontal bar, whose
 * buttons are mirrored, Left and Right swap). Each press is the bar's own step
 * action, as a click on an arrow is, so the value-changed handlers run alike;
 * other keys (Home, End) keep their usual meaning.
 */
void installScrollKeys(QScrollBar* bar);

} // namespace platform

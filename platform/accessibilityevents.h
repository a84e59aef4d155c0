#pragma once

// What the program tells assistive technology (a screen reader) goes through here:
// a flip, a cursor move, a window that shows its text. Qt passes it on only while a
// screen reader listens; tests watch it through an observer instead.

#include <functional>

class QAccessibleEvent;

namespace platform {

void notifyAccessibility(QAccessibleEvent &event);

// While set, the observer sees every notification (tests).
void setAccessibilityObserver(std::function<void(const QAccessibleEvent &)> observer);

} // namespace platform

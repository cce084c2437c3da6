#pragma once

class QKeyEvent;
class QWidget;

namespace vlnobrod {

// F4 alone sends the game's windows to the task bar. Returns whether the key was taken.
bool MinimiseOnF4(QWidget& window, const QKeyEvent& e);

} // namespace vlnobrod

#pragma once

#include <QKeySequence>
#include <QString>
#include <functional>

class QKeyEvent;
class QWidget;

namespace vlnobrod {

// F4 alone sends the game's windows to the task bar. Returns whether the key was taken.
bool MinimiseOnF4(QWidget& window, const QKeyEvent& e);

// A key that reached the window itself, unused by its controls: F4, or a key for the
// window's open panels and boxes (widgets/PanelKeys.h). Returns whether it was taken.
bool WindowKey(QWidget& window, const QKeyEvent& e);

// How a shortcut is shown to the player: "Klávesová zkratka: Alt+O".
QString ShortcutHint(const QKeySequence& keys);

// `keys` in `window` do what a click on `label` does: only while the label can be clicked
// (shown and enabled) and no question waits in the window. The label's tooltip names the
// keys.
void AddShortcut(QWidget& window, const QKeySequence& keys, QWidget& label,
                 std::function<void()> action);

} // namespace vlnobrod

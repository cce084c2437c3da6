#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>

class QKeyEvent;

namespace vlnobrod {

// What the keyboard does in a panel or a box of a window. A key the focused control does not
// use goes to the topmost open box of the window, the innermost first (the transaction box
// before the trade panel around it), then to the boxes around it.
struct BoxKeys {
    std::function<void()> enter{};  // Enter; none: the box around it is asked
    std::function<void()> escape{}; // Escape; none: a panel closes as its cross closes it
    // Any other key; true when the box took it.
    std::function<bool(const QKeyEvent&)> key{};
    // Takes the focus whenever the box opens; none: the window takes it, so no control of a
    // panel closed before keeps the keys.
    QPointer<QWidget> focus{};
};

// Gives `box` its keys (replacing those given before). When the box closes with the focus
// inside, the focus goes to the box around it, or to the window. Every panel of a window
// (widgets/Panel.h) closes on Escape without keys of its own.
void SetBoxKeys(QWidget& box, BoxKeys keys);

// Offers a key pressed in `window` to its open boxes; true when one of them took it.
bool DispatchBoxKeys(QWidget& window, const QKeyEvent& e);

} // namespace vlnobrod

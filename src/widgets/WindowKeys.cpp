#include "WindowKeys.h"

#include <QKeyEvent>
#include <QWidget>

namespace vlnobrod {

bool MinimiseOnF4(QWidget& window, const QKeyEvent& e) {
    if (e.key() != Qt::Key_F4 || e.modifiers() != Qt::NoModifier)
        return false;
    window.showMinimized();
    return true;
}

} // namespace vlnobrod

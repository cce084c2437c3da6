#include "WindowKeys.h"

#include "ModalWait.h"
#include "PanelKeys.h"

#include <QKeyEvent>
#include <QPointer>
#include <QShortcut>
#include <QWidget>

namespace vlnobrod {

bool MinimiseOnF4(QWidget& window, const QKeyEvent& e) {
    if (e.key() != Qt::Key_F4 || e.modifiers() != Qt::NoModifier)
        return false;
    window.showMinimized();
    return true;
}

bool WindowKey(QWidget& window, const QKeyEvent& e) {
    return MinimiseOnF4(window, e) || DispatchBoxKeys(window, e);
}

QString ShortcutHint(const QKeySequence& keys) {
    return QStringLiteral("Klávesová zkratka: ") + keys.toString(QKeySequence::NativeText);
}

void AddShortcut(QWidget& window, const QKeySequence& keys, QWidget& label,
                 std::function<void()> action) {
    auto* shortcut = new QShortcut(keys, &window);
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, &window,
                     [w = QPointer<QWidget>(&window), l = QPointer<QWidget>(&label),
                      action = std::move(action)] {
                         // A waiting question takes every key; its box answers first.
                         if (!w || !l || !l->isVisible() || !l->isEnabled() ||
                             ModalWait::Waiting(w))
                             return;
                         action();
                     });
    const QString hint = ShortcutHint(keys);
    const QString tip = label.toolTip();
    label.setToolTip(tip.isEmpty() ? hint : tip + QLatin1Char('\n') + hint);
}

} // namespace vlnobrod

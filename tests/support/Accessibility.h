#pragma once

#include "widgets/ClickLabel.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QSet>
#include <QStringList>
#include <QTest>
#include <QTextEdit>
#include <QWidget>
#include <initializer_list>

namespace vlnobrod::testing {

// What a screen reader is told of a widget: its name and, after a comma, its description.
inline QString Spoken(QWidget* w) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    if (!a)
        return {};
    const QString description = a->text(QAccessible::Description);
    return a->text(QAccessible::Name) + (description.isEmpty() ? QString() : ", " + description);
}

// The controls the player can act on in `window` as it stands: shown, enabled, Tab or click.
inline QList<QWidget*> Controls(QWidget& window) {
    QList<QWidget*> controls;
    for (QWidget* w : window.findChildren<QWidget*>()) {
        const auto* click = qobject_cast<ClickLabel*>(w);
        if (w->isVisibleTo(&window) && w->isEnabled() && !w->isWindow() &&
            ((w->focusPolicy() & Qt::TabFocus) || (click && click->IsControl())))
            controls << w;
    }
    return controls;
}

inline QString Describe(QWidget* w) {
    return QStringLiteral("%1 \"%2\" (%3)")
        .arg(QString::fromLatin1(w->metaObject()->className()), Spoken(w), w->objectName());
}

// Every control of `window` that a screen reader could not tell apart: one with the role of a
// plain text or of nothing, or without a name; one a click acts on that Tab never reaches.
inline QStringList UnnamedControls(QWidget& window) {
    QStringList problems;
    for (QWidget* w : Controls(window)) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        const QAccessible::Role role = a ? a->role() : QAccessible::NoRole;
        // A read-only document (the guide) is text to read, and says so.
        const auto* document = qobject_cast<QTextEdit*>(w);
        const bool text = role == QAccessible::StaticText && document && document->isReadOnly();
        if ((role == QAccessible::StaticText && !text) || role == QAccessible::NoRole ||
            role == QAccessible::Client || role == QAccessible::Graphic)
            problems << QStringLiteral("no role: ") + Describe(w);
        if (!a || a->text(QAccessible::Name).trimmed().isEmpty())
            problems << QStringLiteral("no name: ") + Describe(w);
        if (!(w->focusPolicy() & Qt::TabFocus))
            problems << QStringLiteral("not reached by Tab: ") + Describe(w);
    }
    return problems;
}

// Presses Tab in `window` from its first control until every control has had the focus: a
// control that keeps it through a hundred Tabs is a trap (the guide's text moves from link to
// link first, then lets go), and a control never reached is out of the keys' way.
inline QStringList TabProblems(QWidget& window) {
    const QList<QWidget*> controls = Controls(window);
    if (controls.size() < 2)
        return {};
    QSet<QWidget*> reached;
    window.activateWindow();
    controls.front()->setFocus(Qt::TabFocusReason);
    for (qsizetype i = 0; i <= controls.size(); ++i) {
        QWidget* before = window.focusWidget();
        reached << before;
        for (int presses = 0; presses < 100 && window.focusWidget() == before; ++presses)
            QTest::keyClick(before ? before : &window, Qt::Key_Tab);
        if (window.focusWidget() == before)
            return {QStringLiteral("Tab stays in ") + (before ? Describe(before) : "the window")};
    }
    for (QWidget* w : controls)
        if (!reached.contains(w))
            return {QStringLiteral("Tab never reaches ") + Describe(w)};
    return {};
}

// With a screen reader listening, Qt hands each key to the accessibility bus first and gets it
// back a moment later: a test that reads what a key did waits that moment.
inline void Settle() {
    if (QAccessible::isActive())
        QTest::qWait(60);
}

// Keys pressed in `window` where its focus is (or on it), then `typed` where they left the focus.
inline void press(QWidget& window, std::initializer_list<QKeyCombination> keys,
                  const QString& typed = {}) {
    for (const QKeyCombination key : keys) {
        QWidget* f = window.focusWidget();
        QTest::keyClick(f ? f : &window, key.key(), key.keyboardModifiers());
        Settle();
    }
    if (typed.isEmpty())
        return; // the last key may have closed the window
    QTest::keyClicks(window.focusWidget(), typed);
    Settle();
}

// Tab in `window` until the control a screen reader names `name` has the focus.
inline bool tabTo(QWidget& window, const QString& name) {
    for (int i = 0; i < 300; ++i) {
        QWidget* f = window.focusWidget();
        if (f && f->isVisible() && f->hasFocus() &&
            QAccessible::queryAccessibleInterface(f)->text(QAccessible::Name) == name)
            return true;
        press(window, {Qt::Key_Tab});
    }
    return false;
}

} // namespace vlnobrod::testing

#include "ClickLabel.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>

namespace vlnobrod {

namespace {

// What a screen reader sees of a clickable label: a push button that can be pressed, named by
// its caption; a label nothing listens to is plain text. Asked each time: a label may be read
// (its caption set) before its click is connected.
class ClickLabelAccessible : public QAccessibleWidget {
public:
    explicit ClickLabelAccessible(ClickLabel* l) : QAccessibleWidget(l, QAccessible::Button) {}

    QAccessible::Role role() const override {
        return label()->IsControl() ? QAccessible::Button : QAccessible::StaticText;
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return label()->text().simplified();
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override {
        return label()->IsControl() ? QStringList{pressAction()} : QStringList{};
    }
    void doAction(const QString& name) override {
        if (name == pressAction() && label()->IsControl() && label()->isEnabled())
            label()->Activate();
    }
    QStringList keyBindingsForAction(const QString&) const override {
        return {QStringLiteral("Return"), QStringLiteral("Space")};
    }

private:
    ClickLabel* label() const { return static_cast<ClickLabel*>(widget()); }
};

QAccessibleInterface* clickLabelFactory(const QString& key, QObject* object) {
    if (key != QLatin1String("vlnobrod::ClickLabel"))
        return nullptr;
    auto* l = qobject_cast<ClickLabel*>(object);
    return l ? new ClickLabelAccessible(l) : nullptr;
}

bool activates(const QKeyEvent& e) {
    const bool key =
        e.key() == Qt::Key_Return || e.key() == Qt::Key_Enter || e.key() == Qt::Key_Space;
    return key && (e.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier && !e.isAutoRepeat();
}

} // namespace

ClickLabel::ClickLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(clickLabelFactory);
        return true;
    }();
    (void)factoryInstalled;
    // City names, goods, descriptions and player names come from files and players: they
    // are shown as written, never read as markup.
    setTextFormat(Qt::PlainText);
    setMouseTracking(true);
}

void ClickLabel::connectNotify(const QMetaMethod& signal) {
    QLabel::connectNotify(signal);
    if (control_ || (signal != QMetaMethod::fromSignal(&ClickLabel::clicked) &&
                     signal != QMetaMethod::fromSignal(&ClickLabel::released)))
        return;
    control_ = true;
    setFocusPolicy(Qt::TabFocus);
}

void ClickLabel::Activate(Qt::MouseButton button) {
    emit released(button);
    if (button == Qt::LeftButton)
        emit clicked();
}

void ClickLabel::mousePressEvent(QMouseEvent* e) {
    e->accept();
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* e) {
    if (!rect().contains(e->position().toPoint()))
        return;
    Activate(e->button());
}

void ClickLabel::mouseMoveEvent(QMouseEvent* e) {
    // Taken here: passed on, the window behind would think the mouse left the label.
    emit hovered();
    e->accept();
}

void ClickLabel::enterEvent(QEnterEvent* e) {
    emit hovered();
    QLabel::enterEvent(e);
}

void ClickLabel::keyPressEvent(QKeyEvent* e) {
    if (control_ && activates(*e)) {
        Activate();
        return;
    }
    QLabel::keyPressEvent(e);
}

void ClickLabel::paintEvent(QPaintEvent* e) {
    QLabel::paintEvent(e);
    if (!hasFocus())
        return;
    // The focus mark: a dotted frame inside the label's edge, in the label's own ink where that
    // is light (captions on the dark panels) and in black where it is dark or grey, so that it
    // stands out on a greyed closed city too.
    QPainter p(this);
    const QColor ink = palette().color(foregroundRole());
    p.setPen(QPen(ink.lightness() < 160 ? QColor(Qt::black) : ink, 1, Qt::DotLine));
    p.drawRect(rect().adjusted(1, 1, -2, -2));
}

void ClickLabel::focusInEvent(QFocusEvent* e) {
    QLabel::focusInEvent(e);
    update();
}

void ClickLabel::focusOutEvent(QFocusEvent* e) {
    QLabel::focusOutEvent(e);
    update();
}

} // namespace vlnobrod

#include "Announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace vlnobrod {

namespace {

const QString announcerName = QStringLiteral("announcer");

// A status line to a screen reader: its name is the last text told.
class AnnouncerAccessible : public QAccessibleWidget {
public:
    explicit AnnouncerAccessible(Announcer* a) : QAccessibleWidget(a, QAccessible::StatusBar) {}
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name)
            return static_cast<const Announcer*>(widget())->Said();
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.focusable = false;
        return s;
    }
};

QAccessibleInterface* announcerFactory(const QString& key, QObject* object) {
    if (key != QLatin1String("vlnobrod::Announcer"))
        return nullptr;
    auto* a = qobject_cast<Announcer*>(object);
    return a ? new AnnouncerAccessible(a) : nullptr;
}

} // namespace

Announcer::Announcer(QWidget& window) : QWidget(&window) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(announcerFactory);
        return true;
    }();
    (void)factoryInstalled;
    setObjectName(announcerName);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // Shown, so it belongs to the window a screen reader reads, but of no size: nothing is
    // drawn and nothing under it changes.
    setGeometry(0, 0, 0, 0);
    show();
}

Announcer& Announcer::Of(QWidget& w) {
    QWidget& window = *w.window();
    if (auto* a = window.findChild<Announcer*>(announcerName, Qt::FindDirectChildrenOnly))
        return *a;
    return *new Announcer(window);
}

void Announcer::Say(const QString& text) {
    said_ = text.simplified();
    ++count_;
    QAccessibleEvent changed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
    emit told(said_);
}

void Announce(QWidget& w, const QString& text) {
    Announcer::Of(w).Say(text);
}

} // namespace vlnobrod

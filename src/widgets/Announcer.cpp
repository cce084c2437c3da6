#include "Announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace vlnobrod {

namespace {

const QString announcerName = QStringLiteral("announcer");
// So many of the latest announcements are kept for a screen reader to read; older ones go.
constexpr int kept = 8;

// The window's status line to a screen reader: its name is the last text told.
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

// One announcement: a notification that appears once, named by its text for good.
class NoticeAccessible : public QAccessibleWidget {
public:
    explicit NoticeAccessible(QWidget* w) : QAccessibleWidget(w, QAccessible::Notification) {}
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.focusable = false;
        return s;
    }
};

QAccessibleInterface* announcerFactory(const QString& key, QObject* object) {
    if (key == QLatin1String("vlnobrod::Announcer"))
        if (auto* a = qobject_cast<Announcer*>(object))
            return new AnnouncerAccessible(a);
    if (key == QLatin1String("vlnobrod::Notice"))
        return new NoticeAccessible(static_cast<QWidget*>(object));
    return nullptr;
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

Notice::Notice(const QString& text, QWidget& announcer) : QWidget(&announcer) {
    setAccessibleName(text);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 0, 0);
}

void Announcer::Say(const QString& text) {
    said_ = text.simplified();
    ++count_;
    // A screen reader speaks a notification as it appears. Each text gets one of its own,
    // whose name never changes: two texts told in one moment are read as two, even by a
    // screen reader that comes to read them a little later.
    auto* notice = new Notice(said_, *this);
    notice->show();
    const QList<Notice*> notices = findChildren<Notice*>(Qt::FindDirectChildrenOnly);
    for (qsizetype i = 0; i + kept < notices.size(); ++i)
        notices[i]->deleteLater();
    emit told(said_);
}

void Announce(QWidget& w, const QString& text) {
    Announcer::Of(w).Say(text);
}

} // namespace vlnobrod

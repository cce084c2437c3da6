#include "support/ScreenFixture.h"
#include "widgets/Announcer.h"
#include "widgets/ClickLabel.h"

#include <QAccessible>
#include <QLineEdit>
#include <QTest>

using namespace vlnobrod;
using namespace Qt::StringLiterals;

namespace {

// The announcements a screen reader can still find, oldest first: role and name of each.
QStringList notices(Announcer& a) {
    QStringList found;
    for (Notice* n : a.findChildren<Notice*>(Qt::FindDirectChildrenOnly)) {
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(n);
        if (iface && iface->role() == QAccessible::Notification && !iface->state().focusable &&
            n->isVisible())
            found << iface->text(QAccessible::Name);
    }
    return found;
}

} // namespace

class WidgetsTest : public QObject {
    Q_OBJECT
private slots:
    // Orca speaks a notification as it appears (a name change it reads only at the focus):
    // each text appears as a notification of its own whose name never changes, so two texts in
    // one moment are two; the keys stay where they were.
    void eachTextAppearsAsANotificationOfItsOwnAndTheFocusStays() {
        QWidget window;
        auto* box = new QLineEdit(&window);
        QVERIFY(testing::Shown(window));
        box->setFocus();
        Announcer& a = Announcer::Of(*box);
        QCOMPARE(&Announcer::Of(window), &a);

        a.Say(u"Muž přes palubu!"_s);
        a.Say(u"Muž  přes\npalubu!"_s);
        // The same news twice is told twice, in one line.
        QCOMPARE(notices(a), QStringList(2, u"Muž přes palubu!"_s));
        QCOMPARE(a.Said(), u"Muž přes palubu!"_s);
        QCOMPARE(QAccessible::queryAccessibleInterface(&a)->text(QAccessible::Name), a.Said());
        QVERIFY(box->hasFocus());

        // The latest eight stay to be read; older ones go.
        for (int i = 1; i <= 9; ++i)
            a.Say(QString::number(i));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(notices(a), QStringList({"2", "3", "4", "5", "6", "7", "8", "9"}));
        QCOMPARE(a.Count(), 11);
    }

    // The keys' focus is marked with a dotted frame that shows on a greyed closed city's label
    // as clearly as on a dark caption, and in the ink of a light caption on a dark panel.
    void theFocusMarkStandsOutOnGreyAndLightLabels() {
        for (const auto& [ink, mark] : {std::pair{QColor(128, 128, 128), QColor(Qt::black)},
                                        std::pair{QColor(255, 246, 220), QColor(255, 246, 220)}}) {
            ClickLabel label(u"Zlatý Mys"_s);
            label.setStyleSheet(u"color: %1; background: #808080;"_s.arg(ink.name()));
            label.resize(80, 18);
            QVERIFY(testing::Shown(label));
            const QColor before = label.grab().toImage().pixelColor(1, 1);
            label.setFocus();
            QTRY_VERIFY(label.hasFocus());
            QCOMPARE(label.grab().toImage().pixelColor(1, 1), mark);
            QVERIFY(before != mark);
        }
    }
};

QTEST_MAIN(WidgetsTest)
#include "WidgetsTest.moc"

// What a player types that the game cannot take, on the port screen.
#include "support/PortFixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

using namespace vlnobrod;

class HostileInputTest : public QObject {
    Q_OBJECT
private slots:
    // A save name stops at its 45 characters and the panel says so; a name that fits says nothing.
    void aSaveNameStopsAtItsLimitAndSaysSo() {
        testing::PortScreen p;
        auto* box = testing::Named<QLineEdit>(*p.w, "saveName");
        auto* problem = testing::Named<QLabel>(*p.w, "saveProblem");
        QTest::keyClicks(box, QString(45, QChar(u'k')));
        QVERIFY(problem->isHidden());
        QTest::keyClicks(box, QStringLiteral("a"));
        QCOMPARE(box->text(), QString(45, QChar(u'k')));
        QVERIFY(!problem->isHidden() &&
                problem->text() == QStringLiteral("Název hry smí mít nejvýše 45 znaků."));
    }
};

QTEST_MAIN(HostileInputTest)
#include "HostileInputTest.moc"

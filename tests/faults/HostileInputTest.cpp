// What a player types that the game cannot take, on the port screen.
#include "support/PortFixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

using namespace vlnobrod;

class HostileInputTest : public QObject {
    Q_OBJECT
private slots:
    // A save name typed or pasted past its 45 characters stops there and the panel says so,
    // and a name that fits says nothing.
    void aSaveNameStopsAtItsLimitAndSaysSo() {
        testing::PortScreen p;
        auto* box = p.w->findChild<QLineEdit*>(QStringLiteral("saveName"));
        QVERIFY(box);
        const auto problem = [&]() -> QLabel* {
            for (QLabel* l : p.w->findChildren<QLabel*>())
                if (!l->isHidden() &&
                    l->text() == QStringLiteral("Název hry smí mít nejvýše 45 znaků."))
                    return l;
            return nullptr;
        };
        QTest::keyClicks(box, QString(45, QChar(u'k')));
        QCOMPARE(box->text().size(), 45);
        QVERIFY(!problem());
        QTest::keyClicks(box, QStringLiteral("a"));
        QCOMPARE(box->text(), QString(45, QChar(u'k')));
        QVERIFY(problem());

        problem()->hide();
        box->clear();
        box->insert(QString(200, QChar(u'ř'))); // as a paste puts it in
        QCOMPARE(box->text(), QString(45, QChar(u'ř')));
        QVERIFY(problem());
    }
};

QTEST_MAIN(HostileInputTest)
#include "HostileInputTest.moc"

#include "battle/frmSouboj.h"
#include "support/ScreenFixture.h"
#include "widgets/Announcer.h"

#include <QSignalSpy>
#include <QTest>
#include <QtWidgets>

using namespace vlnobrod;
using vlnobrod::testing::Named;
using namespace Qt::StringLiterals;

namespace {

// A south wind of 1 and the pirate ship from 208, its cannon at 285: at 45 degrees gunpowder
// 38 lands on its deck, 42 on its cannon, 50 just past it.
struct Window {
    testing::ScreenFixture fx;
    BattleMemory memory;
    frmSouboj w{fx.game(), memory};

    Window() {
        fx.random() = ScriptedRandom({0, 0, 0, 0});
        w.Form_Load(HandOffWord::PiratiB, FleetRecord{});
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
    }
    QPushButton* pal(int side) { return Named<QPushButton>(w, "fire", side); }
    QLineEdit* powder(int side) { return Named<QLineEdit>(w, "powder", side); }
    QSlider* powderSlider() { return Named<QSlider>(w, "powderSlider", Merchant); }
    QWidget* ball() { return Named(w, "ball"); }
    bool timing(const char* timer) { return Named<QTimer>(w, timer)->isActive(); }
    void waitForLanding() { QTRY_VERIFY_WITH_TIMEOUT(!timing("flightTimer"), 5000); }
};

// Answers the next question with `answer` after `meanwhile` has looked around.
template <typename F> void answerQuestion(const QString& answer, F meanwhile) {
    QTimer::singleShot(0, [=] {
        QTRY_VERIFY(qobject_cast<QMessageBox*>(QApplication::activeModalWidget()));
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        meanwhile(*box);
        for (QAbstractButton* b : box->buttons())
            if (b->text() == answer)
                QTest::mouseClick(b, Qt::LeftButton);
    });
}

} // namespace

class frmSoubojTest : public QObject {
    Q_OBJECT
private slots:
    void oneShotAFlightLandingWhereTheFlightPutsItAndThePiratesASecondLater() {
        Window b;
        QVERIFY(!b.pal(Pirates)->isEnabled() && !b.powder(Pirates)->isEnabled());
        // A double click fires once: the first click already gives the turn away.
        b.powderSlider()->setValue(38);
        QSignalSpy fired(b.pal(Merchant), &QPushButton::clicked);
        const QPoint at = b.pal(Merchant)->mapTo(&b.w, b.pal(Merchant)->rect().center());
        QTest::mouseDClick(b.w.windowHandle(), Qt::LeftButton, {}, at);
        QCOMPARE(fired.size(), 1);
        QVERIFY(b.ball()->isVisible() && !b.pal(Merchant)->isEnabled());
        b.waitForLanding();
        QCOMPARE(b.ball()->x(), 262);
        QCOMPARE(Named<QLabel>(b.w, "damage", Pirates)->text(), u"40 %"_s);
        // A screen reader is told where the ball fell and how the ships stand.
        QVERIFY(Announcer::Of(b.w).Said().startsWith(
            u"Koule obchodní lodi zasáhla pirátskou loď. Obchodní loď, poškození 0. "
            "Pirátská loď, poškození 40 %. "_s));
        QVERIFY(
            b.pal(Merchant)->accessibleDescription().contains(u"Pirátská loď, poškození 40 %."_s));
        QElapsedTimer clock;
        clock.start();
        QTRY_COMPARE_WITH_TIMEOUT(Named<QLabel>(b.w, "status")->text(), u"Piráti útočí!"_s, 3000);
        QVERIFY2(clock.elapsed() > 900 && clock.elapsed() < 1500,
                 qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(b.powder(Pirates)->text(), u"60"_s);
        b.waitForLanding();
        QVERIFY(b.pal(Merchant)->isEnabled() && !b.timing("piratesTimer"));
        // Typed into the box, Enter fires as "pal" does: 42 on the cannon ends the battle, and
        // the outcome stays until the player has read it: Enter closes the window.
        b.powder(Merchant)->setText(u"42"_s);
        QTest::keyClick(b.powder(Merchant), Qt::Key_Return);
        QTRY_VERIFY_WITH_TIMEOUT(Named(b.w, "outcome")->isVisible(), 5000);
        QCOMPARE(Named<QLabel>(b.w, "outcome")->text(), u"Vyhrála obchodní loď!"_s);
        QTest::qWait(200);
        QVERIFY(b.w.isVisible() && Named(b.w, "ok")->isVisible());
        QTest::keyClick(&b.w, Qt::Key_Return);
        QVERIFY(!b.w.isVisible() && !b.timing("flightTimer") && !b.timing("piratesTimer"));
    }

    // A typed charge moves the slider and stays as typed; beyond the slider's 120 the slider
    // stands at its end, and beyond 200 the shot says what it fired.
    void aTypedChargeThenSurrenderAnsweredNeThenAno() {
        Window b;
        for (const auto& [typed, slider] : {std::pair{"60", 60}, {"150", 120}, {"1000", 120}}) {
            b.powder(Merchant)->setText(QString::fromLatin1(typed));
            QCOMPARE(b.powderSlider()->value(), slider);
            QCOMPARE(b.powder(Merchant)->text(), QString::fromLatin1(typed));
        }
        QTest::mouseClick(b.pal(Merchant), Qt::LeftButton);
        QCOMPARE(b.powder(Merchant)->text(), u"200"_s);
        QCOMPARE(b.powderSlider()->value(), 120);
        QTRY_VERIFY(b.ball()->x() > 130);
        // Escape asks; the ball hangs while the question waits and flies on after "Ne".
        answerQuestion(u"Ne"_s, [&](QMessageBox& box) {
            QCOMPARE(box.windowTitle(), u"Utéct z bitvy"_s);
            QCOMPARE(box.text(), u"Snad se nevzdáte - prohrál byste bitvu! Chcete se vzdát?"_s);
            const QPoint ball = b.ball()->pos();
            QTest::qWait(100);
            QCOMPARE(b.ball()->pos(), ball);
        });
        QTest::keyClick(&b.w, Qt::Key_Escape);
        QVERIFY(b.w.isVisible() && b.timing("flightTimer"));
        b.waitForLanding();
        // Asked again during the pirates' wait: their timer waits too, nothing can hide the
        // window under the question, and "Ano" gives the battle up.
        answerQuestion(u"Ano"_s, [&](QMessageBox&) {
            QVERIFY(!b.timing("piratesTimer"));
            b.w.hide();
            QVERIFY(b.w.isVisible());
        });
        b.w.close();
        QVERIFY(!b.w.isVisible() && !b.timing("piratesTimer"));
        QVERIFY(b.w.Result().word == HandOffWord::Prohral);
    }
};

QTEST_MAIN(frmSoubojTest)
#include "frmSoubojTest.moc"

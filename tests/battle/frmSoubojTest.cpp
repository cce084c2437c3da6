#include "battle/frmSouboj.h"
#include "support/ScreenFixture.h"
#include "widgets/Announcer.h"

#include <QSignalSpy>
#include <QTest>
#include <QtWidgets>

using namespace vlnobrod;

namespace {

// A south wind of 1 and the pirate ship from 208, its cannon at 285: at 45 degrees gunpowder
// 38 lands on its deck, 42 on its cannon, 50 just past it.
struct Window {
    testing::ScreenFixture fx;
    BattleMemory memory;
    frmSouboj w{fx.game(), memory};

    explicit Window(HandOffWord mode) {
        fx.random() = ScriptedRandom({0, 0, 0, 0});
        w.Form_Load(mode, FleetRecord{});
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
    }
    void waitForLanding() { QTRY_VERIFY_WITH_TIMEOUT(!w.tmrPal->isActive(), 5000); }
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
        Window b(HandOffWord::PiratiB);
        QVERIFY(!b.w.Command1->isEnabled() && !b.w.txtSíla[Pirates]->isEnabled());
        // A double click fires once: the first click already gives the turn away.
        b.w.sldSíla[Merchant]->setValue(38);
        QSignalSpy fired(b.w.cmdPal, &QPushButton::clicked);
        const QPoint at = b.w.cmdPal->mapTo(&b.w, b.w.cmdPal->rect().center());
        QTest::mouseDClick(b.w.windowHandle(), Qt::LeftButton, {}, at);
        QCOMPARE(fired.size(), 1);
        QVERIFY(b.w.Koule->isVisible() && !b.w.cmdPal->isEnabled());
        b.waitForLanding();
        QCOMPARE(b.w.Koule->x(), 262);
        QCOMPARE(b.w.lblPoškození[Pirates]->text(), QStringLiteral("40 %"));
        // A screen reader is told where the ball fell and how the ships stand; the status line
        // says what it always said.
        const QString hit = QStringLiteral("Koule obchodní lodi zasáhla pirátskou loď.");
        QCOMPARE(b.w.lblStatus->accessibleDescription(), hit);
        QVERIFY(Announcer::Of(b.w).Said().startsWith(hit + QStringLiteral(" Obchodní loď, ")));
        QVERIFY(b.w.cmdPal->accessibleDescription().contains(
            QStringLiteral("Pirátská loď, poškození 40 %.")));
        QElapsedTimer clock;
        clock.start();
        QTRY_COMPARE_WITH_TIMEOUT(b.w.lblStatus->text(), QStringLiteral("Piráti útočí!"), 3000);
        QVERIFY2(clock.elapsed() > 900 && clock.elapsed() < 1500,
                 qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(b.w.txtSíla[Pirates]->text(), QStringLiteral("60"));
        b.waitForLanding();
        QVERIFY(b.w.cmdPal->isEnabled() && !b.w.tmrPiráti->isActive());
        // Typed into the box, Enter fires as "pal" does: 42 on the cannon ends the battle.
        b.w.txtSíla[Merchant]->setText(QStringLiteral("42"));
        QTest::keyClick(b.w.txtSíla[Merchant], Qt::Key_Return);
        QVERIFY(b.w.Koule->isVisible());
        // The outcome stays until the player has read it: Enter closes the window.
        QTRY_VERIFY_WITH_TIMEOUT(b.w.lblVýsledek->isVisible(), 5000);
        QCOMPARE(b.w.lblVýsledek->text(), QStringLiteral("Vyhrála obchodní loď!"));
        QVERIFY(Announcer::Of(b.w).Said().startsWith(QStringLiteral("Vyhrála obchodní loď!")));
        QTest::qWait(200);
        QVERIFY(b.w.isVisible() && b.w.cmdOK->isVisible());
        QTest::keyClick(&b.w, Qt::Key_Return);
        QVERIFY(!b.w.isVisible());
        QVERIFY(!b.w.tmrPal->isActive() && !b.w.tmrPiráti->isActive());
        QVERIFY(b.w.Result().word == HandOffWord::Vyhral);
    }

    void surrenderAnsweredNeThenAno() {
        Window b(HandOffWord::PiratiB);
        b.w.sldSíla[Merchant]->setValue(50);
        QTest::mouseClick(b.w.cmdPal, Qt::LeftButton);
        QTRY_VERIFY(b.w.Koule->x() > 130);
        // Escape asks; the ball hangs in the air while the question waits and flies on
        // after "Ne".
        answerQuestion(QStringLiteral("Ne"), [&](QMessageBox& box) {
            QCOMPARE(box.windowTitle(), QStringLiteral("Utéct z bitvy"));
            QCOMPARE(box.text(),
                     QStringLiteral("Snad se nevzdáte - prohrál byste bitvu! Chcete se vzdát?"));
            const QPoint ball = b.w.Koule->pos();
            QTest::qWait(100);
            QCOMPARE(b.w.Koule->pos(), ball);
        });
        QTest::keyClick(&b.w, Qt::Key_Escape);
        QVERIFY(b.w.isVisible() && b.w.tmrPal->isActive());
        b.waitForLanding();
        // Asked again during the pirates' wait: their timer waits too, nothing can hide the
        // window under the question, and "Ano" gives the battle up.
        answerQuestion(QStringLiteral("Ano"), [&](QMessageBox&) {
            QVERIFY(!b.w.tmrPiráti->isActive());
            b.w.hide();
            QVERIFY(b.w.isVisible());
        });
        b.w.close();
        QVERIFY(!b.w.isVisible() && !b.w.tmrPiráti->isActive());
        QVERIFY(b.w.Result().word == HandOffWord::Prohral);
    }

    // A typed charge moves the slider and stays as typed; beyond the slider's 120 the slider
    // stands at its end, and beyond 200 the shot says what it fired.
    void aTypedChargeBeyondTheSliderShowsTheSliderAtItsEnd() {
        Window b(HandOffWord::PiratiB);
        for (const auto& [typed, slider] : {std::pair{"60", 60}, {"150", 120}, {"1000", 120}}) {
            b.w.txtSíla[Merchant]->setText(QString::fromLatin1(typed));
            QCOMPARE(b.w.sldSíla[Merchant]->value(), slider);
            QCOMPARE(b.w.txtSíla[Merchant]->text(), QString::fromLatin1(typed));
        }
        QTest::mouseClick(b.w.cmdPal, Qt::LeftButton);
        QCOMPARE(b.w.txtSíla[Merchant]->text(), QStringLiteral("200"));
        QCOMPARE(b.w.sldSíla[Merchant]->value(), 120);
    }
};

QTEST_MAIN(frmSoubojTest)
#include "frmSoubojTest.moc"

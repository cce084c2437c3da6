#include "battle/frmSouboj.h"
#include "support/ScreenFixture.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <functional>

using namespace vlnobrod;

namespace {

// A battle window on dice that give a south wind of 1 and the pirates at 208, their cannon
// at 285: gunpowder 38 at 45 degrees lands on their deck, 50 just past it.
struct Window {
    testing::ScreenFixture fx;
    ScriptedRandom dice{{0, 0, 0, 0}};
    GameServices game{fx.appFolder(), fx.settings(), dice};
    BattleMemory memory;
    frmSouboj w{game, memory};

    explicit Window(HandOffWord mode) {
        w.Form_Load(mode, FleetRecord{});
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
    }
    void fire(int power) {
        w.sldSíla[Merchant]->setValue(power);
        QTest::mouseClick(w.cmdPal, Qt::LeftButton);
    }
    void waitForLanding() { QTRY_VERIFY_WITH_TIMEOUT(!w.tmrPal->isActive(), 5000); }
};

// Answers the surrender question with the button captioned `answer`, after `check` has
// looked at the question and the window while it waits.
void answerQuestion(const QString& answer, std::function<void(QMessageBox&)> check) {
    QTimer::singleShot(0, [=] {
        QTRY_VERIFY(qobject_cast<QMessageBox*>(QApplication::activeModalWidget()));
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        check(*box);
        for (QAbstractButton* b : box->buttons())
            if (b->text() == answer)
                QTest::mouseClick(b, Qt::LeftButton);
    });
}

} // namespace

class frmSoubojTest : public QObject {
    Q_OBJECT
private slots:
    void theMerchantFiresTheBallLandsAndTheComputerPiratesAnswerASecondLater() {
        Window b(HandOffWord::PiratiB);
        QCOMPARE(b.w.windowTitle(), QStringLiteral("Souboj s piráty"));
        QCOMPARE(b.w.size(), QSize(800, 520));
        QCOMPARE(b.w.lblVítr->text(), QStringLiteral("<< Jižní vítr o rychlosti 1m/s"));
        QCOMPARE(b.w.lblStatus->text(), QStringLiteral("Nastavte dělo a palte na pirátské dělo"));
        QCOMPARE(b.w.imgLoď[Pirates]->x(), 208);
        QCOMPARE(b.w.lblPoškození[Pirates]->text(), QStringLiteral("Poškození: 0"));
        QVERIFY(b.w.cmdPal->isEnabled());
        QVERIFY(!b.w.Command1->isEnabled());
        QVERIFY(!b.w.txtSíla[Pirates]->isEnabled());

        b.fire(38);
        QCOMPARE(b.w.txtSíla[Merchant]->text(), QStringLiteral("38"));
        QCOMPARE(b.w.lblStatus->text(), QStringLiteral("Střílí se na piráty!"));
        QVERIFY(b.w.Koule->isVisible());
        QVERIFY(!b.w.cmdPal->isEnabled());
        QTRY_VERIFY(b.w.Koule->x() > 150);
        b.waitForLanding();
        QCOMPARE(b.w.Koule->x(), 262);
        QCOMPARE(b.w.lblPoškození[Pirates]->text(), QStringLiteral("40 %"));
        QCOMPARE(b.w.lblStatus->text(), QStringLiteral("Piráti míří"));
        QVERIFY(b.w.tmrPiráti->isActive());
        // The computer's first shot: fresh dice, written into the pirates' boxes.
        QElapsedTimer clock;
        clock.start();
        QTRY_COMPARE_WITH_TIMEOUT(b.w.lblStatus->text(), QStringLiteral("Piráti útočí!"), 3000);
        QVERIFY2(clock.elapsed() > 900 && clock.elapsed() < 1500,
                 qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(b.w.txtÚhel[Pirates]->text(), QStringLiteral("40"));
        QCOMPARE(b.w.txtSíla[Pirates]->text(), QStringLiteral("60"));
        b.waitForLanding();
        QCOMPARE(b.w.lblStatus->text(), QStringLiteral("Obchodní loď zaměřuje"));
        QVERIFY(b.w.cmdPal->isEnabled());
        QVERIFY(!b.w.tmrPiráti->isActive());
    }

    void aHitOnTheCannonEndsTheBattleAndNothingMovesAfterwards() {
        Window b(HandOffWord::PiratiB);
        b.fire(42);
        QTRY_VERIFY_WITH_TIMEOUT(!b.w.isVisible(), 5000);
        QVERIFY(!b.w.tmrPal->isActive() && !b.w.tmrPiráti->isActive());
        QVERIFY(b.w.Result().word == HandOffWord::Vyhral);
        QCOMPARE(b.w.lblPoškození[Pirates]->text(), QStringLiteral("40 %"));
    }

    void aDoubleClickOnPalFiresOnce() {
        Window b(HandOffWord::PiratiB);
        QSignalSpy fired(b.w.cmdPal, &QPushButton::clicked);
        const QPoint at = b.w.cmdPal->mapTo(&b.w, b.w.cmdPal->rect().center());
        QTest::mouseDClick(b.w.windowHandle(), Qt::LeftButton, {}, at);
        QCOMPARE(fired.size(), 1);
        QVERIFY(b.w.tmrPal->isActive());
        QCOMPARE(b.w.lblStatus->text(), QStringLiteral("Střílí se na piráty!"));
    }

    void aTypedSettingMustBeANumberAndStaysWithinItsSlider() {
        Window b(HandOffWord::PiratiB);
        b.w.txtÚhel[Merchant]->clear();
        QTest::keyClicks(b.w.txtÚhel[Merchant], QStringLiteral("sto"));
        QTest::mouseClick(b.w.cmdPal, Qt::LeftButton);
        QCOMPARE(b.w.lblStatus->text(), QStringLiteral("Zadejte číslo"));
        QVERIFY(b.w.cmdPal->isEnabled());
        QVERIFY(!b.w.Koule->isVisible());
        b.w.txtÚhel[Merchant]->setText(QStringLiteral("45,5"));
        b.w.txtSíla[Merchant]->setText(QStringLiteral("10000"));
        QTest::mouseClick(b.w.cmdPal, Qt::LeftButton);
        QCOMPARE(b.w.lblStatus->text(), QStringLiteral("Střílí se na piráty!"));
        QCOMPARE(b.w.txtSíla[Merchant]->text(), QStringLiteral("120"));
    }

    void twoPlayersTakeTurnsWithoutAPirateTimerAndCloseWithoutAQuestion() {
        Window b(HandOffWord::PiratiB2);
        QVERIFY(!b.w.Command1->isEnabled());
        b.fire(50);
        b.waitForLanding();
        QCOMPARE(b.w.lblStatus->text(), QStringLiteral("Piráti míří"));
        QVERIFY(!b.w.tmrPiráti->isActive());
        QVERIFY(b.w.Command1->isEnabled());
        b.w.sldÚhel[Pirates]->setValue(50);
        QTest::mouseClick(b.w.Command1, Qt::LeftButton);
        QCOMPARE(b.w.lblStatus->text(), QStringLiteral("Piráti útočí!"));
        QCOMPARE(b.w.txtÚhel[Pirates]->text(), QStringLiteral("50"));
        b.w.close();
        QVERIFY(!b.w.isVisible());
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(!b.w.tmrPal->isActive());
        QVERIFY(b.w.Result().word == HandOffWord::PiratiB2);
    }

    void surrenderAnsweredNeThenAno() {
        Window b(HandOffWord::PiratiB);
        b.fire(50);
        QTRY_VERIFY(b.w.Koule->x() > 130);
        // Escape asks; the ball hangs in the air while the question waits, and flies on
        // after "Ne".
        answerQuestion(QStringLiteral("Ne"), [&](QMessageBox& box) {
            QCOMPARE(box.windowTitle(), QStringLiteral("Utéct z bitvy"));
            QCOMPARE(box.text(),
                     QStringLiteral("Snad se nevzdáte - prohrál byste bitvu! Chcete se vzdát?"));
            QCOMPARE(box.buttons().size(), 2);
            QVERIFY(!b.w.tmrPal->isActive());
            const QPoint ball = b.w.Koule->pos();
            QTest::qWait(100);
            QCOMPARE(b.w.Koule->pos(), ball);
        });
        QTest::keyClick(&b.w, Qt::Key_Escape);
        QVERIFY(b.w.isVisible());
        QVERIFY(b.w.tmrPal->isActive());
        b.waitForLanding();
        QVERIFY(b.w.tmrPiráti->isActive());

        // Asked again during the pirates' wait: nothing may hide the window under the
        // question, and "Ano" gives the battle up.
        answerQuestion(QStringLiteral("Ano"), [&](QMessageBox&) {
            QVERIFY(!b.w.tmrPiráti->isActive());
            b.w.hide();
            QVERIFY(b.w.isVisible());
        });
        b.w.close();
        QVERIFY(!b.w.isVisible());
        QVERIFY(b.w.Result().word == HandOffWord::Prohral);
        QVERIFY(!b.w.tmrPal->isActive() && !b.w.tmrPiráti->isActive());
    }
};

QTEST_MAIN(frmSoubojTest)
#include "frmSoubojTest.moc"

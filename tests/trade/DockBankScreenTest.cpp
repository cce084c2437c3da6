#include "port/frmMain.h"
#include "support/ScreenFixture.h"
#include "trade/BankPanel.h"

#include <QTest>
#include <QTimer>

using namespace vlnobrod;

namespace {

constexpr int Ne = 0, Ano = 1; // the message box's answer labels for "Ne/Ano/Zrušit"

struct PortScreen {
    testing::ScreenFixture fx;
    std::unique_ptr<frmMain> w;

    PortScreen() {
        GameState& st = fx.game().state;
        st.Mapa = "Mapa1";
        st.PocetMest = 1;
        st.Cities[0].Nazev = "Vlnobrod";
        st.Fleet.Pocet = 2;
        w = std::make_unique<frmMain>(fx.game());
        w->show();
    }
    GameState& st() { return fx.game().state; }

    // Clicks action `index` and answers the question it asks with answer label `answer`.
    QString answering(int index, int answer) {
        QString asked;
        QTimer::singleShot(0, w.get(), [this, answer, &asked] {
            asked = w->lblText->text();
            QVERIFY(w->cmd[static_cast<std::size_t>(answer)]->isVisible());
            QTest::mouseClick(w->cmd[static_cast<std::size_t>(answer)], Qt::LeftButton);
        });
        QTest::mouseClick(w->lblAkce[static_cast<std::size_t>(index)], Qt::LeftButton);
        return asked;
    }
};

} // namespace

class DockBankScreenTest : public QObject {
    Q_OBJECT
private slots:
    void buyingAShipAnsweringNeThenAno() {
        PortScreen s;
        s.st().Hotovost = 150000;
        s.w->lblZal_Click(2);
        QCOMPARE(s.w->lbl[22]->text(), QStringLiteral("2 lodě typu: Malá obchodní loď"));

        QCOMPARE(s.answering(5, Ne), QStringLiteral("Chcete koupit 1 loď za 100 000 zlatých"));
        QCOMPARE(s.st().Fleet.Pocet, std::int16_t(2));
        QCOMPARE(s.st().Hotovost, 150000.0);
        QVERIFY(s.st().NewsQueue[0].text.empty());

        s.answering(5, Ano);
        QCOMPARE(s.st().Fleet.Pocet, std::int16_t(3));
        QCOMPARE(s.st().Hotovost, 50000.0);
        QCOMPARE(s.w->lbl[22]->text(), QStringLiteral("3 lodě typu: Malá obchodní loď"));
        QCOMPARE(s.w->lblHotovost->text(), QStringLiteral("50 000"));
        QCOMPARE(s.st().NewsQueue[0].text, std::string("Byla koupena 3. loď"));
        QVERIFY(!s.w->picMsgBox->isVisible());

        // Not enough left for a fourth.
        s.answering(5, Ano);
        QCOMPARE(s.st().Fleet.Pocet, std::int16_t(3));
        QCOMPARE(s.st().NewsQueue[1].text, std::string("Nedostatek peněz na koupy lodě"));
    }

    void repairAndUpgradeFromTheDock() {
        PortScreen s;
        s.st().Hotovost = 300;
        s.st().Fleet.Poskozeni = 40;
        s.w->lblZal_Click(2);
        QCOMPARE(s.answering(7, Ano), QStringLiteral("Chcete opravit loď za 800 zlatých"));
        QCOMPARE(s.w->lbl[20]->text(), QStringLiteral("25 %"));
        QCOMPARE(s.st().NewsQueue[0].text, std::string("Lodě jsou opravené jen na 25 %"));

        s.st().Hotovost = 250000;
        QVERIFY(s.w->lblAkce[8]->isVisible());
        s.answering(8, Ano);
        QCOMPARE(s.w->lbl[24]->text(), QStringLiteral("100 jednotek"));
        QCOMPARE(s.w->lbl[26]->text(), QStringLiteral("23"));
        QCOMPARE(s.w->lbl[22]->text(), QStringLiteral("2 lodě typu: Velká obchodní loď"));

        s.w->lblAkce_Click(6);
        QCOMPARE(s.w->lbl[22]->text(), QStringLiteral("1 loď typu: Velká obchodní loď"));
        QCOMPARE(s.w->lblHotovost->text(), QStringLiteral("150 000"));
    }

    void depositAndWithdrawAtTheLimits() {
        PortScreen s;
        s.st().Hotovost = 100000;
        s.st().Konto = -500000;
        BankPanel* bank = s.w->findChild<BankPanel*>();
        QVERIFY(bank);
        s.w->lblZal_Click(3);
        QCOMPARE(bank->sldTransakce->value(), 50000);
        QCOMPARE(s.w->lbl[33]->text(), QStringLiteral("50 000"));
        QCOMPARE(s.w->lbl[43]->text(), QStringLiteral("Úrok = 0.05% částky za den"));
        QCOMPARE(s.w->lbl[42]->text(), QStringLiteral("Úrok = 0.01% částky za den"));

        QTest::mouseClick(bank->lblStupeň[1], Qt::LeftButton);
        QCOMPARE(s.w->lbl[33]->text(), QStringLiteral("10 000"));
        QTest::mouseClick(bank->lblStupeň[2], Qt::LeftButton);
        QCOMPARE(bank->sldTransakce->value(), bank->sldTransakce->maximum());
        QCOMPARE(s.w->lbl[33]->text(), QStringLiteral("100 000"));

        // All the cash may go in, not a coin more.
        QTest::mouseClick(s.w->lblAkce[11], Qt::LeftButton);
        QCOMPARE(s.st().Hotovost, 0.0);
        QCOMPARE(s.st().Konto, -400000.0);
        QCOMPARE(s.w->lbl[34]->text(), QStringLiteral("0"));
        QCOMPARE(s.w->lblKonto->text(), QStringLiteral("-400 000"));
        QTest::mouseClick(s.w->lblAkce[11], Qt::LeftButton);
        QCOMPARE(s.st().Konto, -400000.0);
        QCOMPARE(s.st().NewsQueue[0].text, std::string("Málo peněz pro uložení"));

        // The debt may reach the limit exactly.
        QTest::mouseClick(s.w->lblAkce[12], Qt::LeftButton);
        QCOMPARE(s.st().Konto, -500000.0);
        QCOMPARE(s.st().Hotovost, 100000.0);
        QCOMPARE(s.w->lbl[32]->text(), QStringLiteral("-500 000"));
        bank->sldTransakce->setValue(1);
        QCOMPARE(s.w->lbl[33]->text(), QStringLiteral("1"));
        QTest::mouseClick(s.w->lblAkce[12], Qt::LeftButton);
        QCOMPARE(s.st().Konto, -500000.0);
        QCOMPARE(s.st().NewsQueue[1].text, std::string("Už nelze vybírat peníze!"));
    }
};

QTEST_MAIN(DockBankScreenTest)
#include "DockBankScreenTest.moc"

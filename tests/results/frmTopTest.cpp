#include "results/frmTop.h"
#include "results/BestPlayers.h"
#include "support/FakeGameView.h"
#include "support/ScreenFixture.h"

#include <QLabel>
#include <QTest>

using namespace vlnobrod;

namespace {

const QString table =
    QStringLiteral("[Mapa]\nMapa=Mapa1\nNazev=Zlatá zátoka\n"
                   "[Top0]\nName=Anna\nCompany=Alfa\nDays=10\nValue=500000\n"
                   "[Top1]\nName=Bedřich\nCompany=Beta\nDays=20\nValue=400000\n"
                   "[Top2]\nName=------\nCompany=------\nDays=9999999\nValue=0\n");

bool red(const QLabel* l) {
    return l->styleSheet().contains(QStringLiteral("#ff0000"));
}

} // namespace

class frmTopTest : public QObject {
    Q_OBJECT
private slots:
    // A finished game on "Mapa1" in 20 days: 2 galleons, 10 units of goods 0 at 25 here.
    void theWindowShowsTheFiguresAndTheTableWithTheNewEntryInRed() {
        testing::ScreenFixture fx;
        fx.writeData(QStringLiteral("Mapa1.mlo"), table);
        GameState& st = fx.game().state;
        st.Mapa = "Mapa1";
        st.Name = "Ludvík Prachatý";
        st.Den = 20;
        st.Hotovost = 1000000;
        st.Konto = 250000.4;
        st.Fleet.Pocet = 2;
        st.Fleet.Typ = 2;
        st.Cities[0].Trh[0].Cena = 25;
        st.Fleet.Naklad[0] = 10;
        st.HandOff = HandOffWord::Zapis;
        testing::FakeGameView view;
        frmTop w(fx.game(), view);
        QCOMPARE(w.Result().place, 1);

        const Statistics s = StatisticsOf(st);
        QCOMPARE(w.lbl10->text().toStdString(), s.cash);
        QCOMPARE(w.lbl9->text().toStdString(), s.account);
        QCOMPARE(w.lbl8->text().toStdString(), s.fleet);
        QCOMPARE(w.lbl12->text(), QStringLiteral("20"));
        QCOMPARE(w.lblHodnota->text(), QStringLiteral("1 750 250 zlatých"));
        QCOMPARE(w.lbl0->text(), QStringLiteral("pro mapu Zlatá zátoka"));
        // An equal time goes above the earlier entry, in red; the rest move down.
        QCOMPARE(w.lblName[1]->text(), QStringLiteral("Ludvík Prachatý"));
        QCOMPARE(w.lblName[1]->textFormat(), Qt::PlainText);
        QCOMPARE(w.lblValue[1]->text(), QStringLiteral("1 750 250 zlatých"));
        QVERIFY(red(w.lblName[1]) && red(w.lblDnů[1]));
        QCOMPARE(w.lblName[2]->text(), QStringLiteral("Bedřich"));
        QCOMPARE(w.lblDnů[2]->text(), QStringLiteral("20 dnů"));
        QVERIFY(!red(w.lblName[2]));
        QCOMPARE(w.lblDnů[3]->text(), QString()); // an empty place

        // Opened again only to look: the same table, nothing in red.
        frmTop again(fx.game(), view);
        QVERIFY(again.Result().entry == TopEntry::ViewOnly);
        QCOMPARE(again.lblName[1]->text(), QStringLiteral("Ludvík Prachatý"));
        QVERIFY(!red(again.lblName[1]));
        QVERIFY(view.messages.empty());
    }
};

QTEST_MAIN(frmTopTest)
#include "frmTopTest.moc"

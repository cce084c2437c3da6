#include "results/frmTop.h"
#include "results/BestPlayers.h"
#include "support/FakeGameView.h"
#include "support/ScreenFixture.h"

#include <QFile>
#include <QLabel>
#include <QTest>

using namespace vlnobrod;

namespace {

const QString table =
    QStringLiteral("[Mapa]\nMapa=Mapa1\nNazev=Zlatá zátoka\n"
                   "[Top0]\nName=Anna\nCompany=Alfa\nDays=10\nValue=500000\n"
                   "[Top1]\nName=Bedřich\nCompany=Beta\nDays=20\nValue=400000\n"
                   "[Top2]\nName=Cyril\nCompany=Gama\nDays=30\nValue=300000\n"
                   "[Top3]\nName=------\nCompany=------\nDays=9999999\nValue=0\n"
                   "[Top4]\nName=------\nCompany=------\nDays=9999999\nValue=0\n");

QByteArray contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A finished game on "Mapa1": 2 galleons, 10 units of goods 0 at 25 in the current city.
struct Finished {
    testing::ScreenFixture fx;
    testing::FakeGameView view;
    QString mapFile;
    explicit Finished(std::int16_t days, HandOffWord handOff = HandOffWord::Zapis) {
        mapFile = fx.writeData(QStringLiteral("Mapa1.mlo"), table);
        GameState& st = fx.game().state;
        st.Mapa = "Mapa1";
        st.Name = "Ludvík Prachatý";
        st.Company = "Trotl Transport";
        st.Den = days;
        st.Hotovost = 1000000;
        st.Konto = 250000.4;
        st.Fleet.Pocet = 2;
        st.Fleet.Typ = 2;
        st.PocetMest = 1;
        st.Cities[0].Trh[0].Cena = 25;
        st.Fleet.Naklad[0] = 10;
        st.HandOff = handOff;
    }
};

} // namespace

class frmTopTest : public QObject {
    Q_OBJECT
private slots:
    void viewOnlyShowsTheFiguresAndTheTableAndWritesNothing() {
        Finished f(5, HandOffWord::None);
        const QByteArray before = contents(f.mapFile);
        frmTop w(f.fx.game(), f.view);
        QVERIFY(w.Result().entry == TopEntry::ViewOnly);
        QCOMPARE(contents(f.mapFile), before);
        QVERIFY(f.view.messages.empty());
        const Statistics s = StatisticsOf(f.fx.game().state);
        QCOMPARE(w.lbl10->text().toStdString(), s.cash);
        QCOMPARE(w.lbl9->text().toStdString(), s.account);
        QCOMPARE(w.lbl8->text().toStdString(), s.fleet);
        QCOMPARE(w.lblHodnota->text(), QStringLiteral("1 750 250 zlatých"));
        QCOMPARE(w.lbl0->text(), QStringLiteral("pro mapu Zlatá zátoka"));
        QCOMPARE(w.lblName[1]->text(), QStringLiteral("Bedřich"));
        QCOMPARE(w.lblDnů[1]->text(), QStringLiteral("20 dnů"));
        QCOMPARE(w.lblDnů[3]->text(), QString());
    }

    void anEqualTimeIsEnteredAboveInRedAndOnlyOnce() {
        Finished f(20);
        frmTop w(f.fx.game(), f.view);
        QCOMPARE(w.Result().place, 1);
        QVERIFY(f.view.messages.empty());
        QCOMPARE(w.lblName[1]->text(), QStringLiteral("Ludvík Prachatý"));
        QCOMPARE(w.lblValue[1]->text(), QStringLiteral("1 750 250 zlatých"));
        QVERIFY(w.lblName[1]->styleSheet().contains(QStringLiteral("#ff0000")));
        QVERIFY(!w.lblName[2]->styleSheet().contains(QStringLiteral("#ff0000")));
        QCOMPARE(w.lblName[2]->text(), QStringLiteral("Bedřich"));

        // A second opening finds the same entry: a duplicate, nothing written, no red row.
        f.fx.game().state.HandOff = HandOffWord::Zapis;
        const QByteArray after = contents(f.mapFile);
        frmTop again(f.fx.game(), f.view);
        QVERIFY(again.Result().entry == TopEntry::Duplicate);
        QCOMPARE(contents(f.mapFile), after);
        QVERIFY(f.view.messages.empty());
        QVERIFY(!again.lblName[1]->styleSheet().contains(QStringLiteral("#ff0000")));
    }

    void tooSlowIsToldAndLeavesTheTable() {
        // Fill the empty places first, then come in last.
        Finished f(40);
        f.fx.writeData(
            QStringLiteral("Mapa1.mlo"),
            QString(table).replace(QStringLiteral("Days=9999999"), QStringLiteral("Days=35")));
        f.fx.game().profiles.Forget(f.mapFile.toStdString());
        const QByteArray before = contents(f.mapFile);
        frmTop w(f.fx.game(), f.view);
        QVERIFY(w.Result().entry == TopEntry::NotPlaced);
        QCOMPARE(contents(f.mapFile), before);
        QCOMPARE(f.view.messages.size(), std::size_t{1});
        QCOMPARE(f.view.messages[0].title, std::string("Dokončení mapy"));
        QCOMPARE(f.view.messages[0].text, NotPlacedMessage(40, 1750250.4));
        for (QLabel* l : w.lblName)
            QVERIFY(!l->styleSheet().contains(QStringLiteral("#ff0000")));
    }
};

QTEST_MAIN(frmTopTest)
#include "frmTopTest.moc"

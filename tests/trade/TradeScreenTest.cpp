// The port screen's trade, dock, bank, save and city panels, clicked as a player does.
#include "port/PortLabels.h"
#include "support/PortFixture.h"
#include "trade/BankPanel.h"
#include "trade/SavePanel.h"
#include "trade/TradeBox.h"
#include "widgets/PortStyle.h"
#include "world/DayChange.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

using namespace vlnobrod;
using vlnobrod::testing::Answerer;

namespace {

void click(QWidget* l) {
    QTest::mouseClick(l, Qt::LeftButton);
}

// The trading port on its trade panel. Skalná's market was looked at from the same panel, so
// the hidden rows still carry that city's names and prices.
struct TradeScreen : testing::TradingPort {
    TradeBox* box = nullptr;
    TradeScreen() {
        box = w->findChild<TradeBox*>();
        w->ShowMarket(1, false);
        w->lblZal_Click(1);
    }
    QString line() const { return w->lbl[popisek::QuantityLine]->text(); }
};

QString qs(const char* utf8) {
    return QString::fromUtf8(utf8);
}

QByteArray contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TradeScreenTest : public QObject {
    Q_OBJECT
private slots:
    void buyingFromAMarketRowKeepsTheOldPriceShown() {
        TradeScreen s;
        // Another city's research chart shows its prices, but goods are bought here.
        s.w->ShowMarket(1, true);
        click(s.w->lblSurovina[14 + 3]);
        QCOMPARE(s.st().NewsQueue[0].text, std::string("Zboží se nakupuje na kartě Obchod."));
        // Too little cash: nothing to click, and run all the same the box buys nothing.
        s.st().Hotovost = 30;
        click(s.w->lblSurovina[28 + 5]);
        QCOMPARE(s.line(), qs("Nedostatek peněz"));
        QVERIFY(!s.box->sldMnožství->isVisible() && !s.w->lblAkce[akce::Buy]->isVisible());
        s.w->lblAkce_Click(akce::Buy);
        QCOMPARE(s.st().Hotovost, 30.0);
        QCOMPARE(s.st().Cities[0].Trh[5].Cena, std::int16_t(40));

        // Cash pays for 250, the hold has room for 70.
        s.st().Hotovost = 10000;
        click(s.w->lblSurovina[28 + 5]);
        QCOMPARE(s.box->sldMnožství->value(), 70);
        s.box->sldMnožství->setValue(25);
        QCOMPARE(s.line(), qs("25 jednotek za 1 000"));
        click(s.w->lblAkce[akce::Buy]);
        QCOMPARE(s.w->lblHotovost->text(), qs("9 000"));
        QCOMPARE(s.w->lbl[popisek::LoadLine]->text(), qs("55 z 100"));
        // The market has moved (12 for 25 units, then the lift under 100), the row has not;
        // its price label opens the same row at the old price, with less room.
        QCOMPARE(s.w->lblSurovina[42 + 5]->text(), qs("40"));
        click(s.w->lblSurovina[42 + 5]);
        QCOMPARE(s.line(), qs("45 jednotek za 1 800"));
        s.w->ShowMarket(0, false);
        click(s.w->lblSurovina[28 + 5]);
        QCOMPARE(s.box->lblCenaZaKus->text(), qs("87 / ks"));
    }

    // Bought, a day away and back, sold: the market row shows the price the purchase lifted
    // (a tenth of the lift gone), and the sale names and pays the price without that lift.
    void aPurchasesLiftIsShownButNotPaidBackADayLater() {
        TradeScreen s;
        s.w->ShowMarket(0, false);
        click(s.w->lblSurovina[28 + 0]); // gold at 200
        s.box->sldMnožství->setValue(40);
        click(s.w->lblAkce[akce::Buy]);
        QCOMPARE(s.st().Hotovost, 2000.0);
        QCOMPARE(s.st().Cities[0].Trh[0].Cena, std::int16_t(220));
        ScriptedRandom rnd({0.5f});
        AdvanceDays(s.st(), rnd, *s.w, 1);
        s.w->ShowMarket(0, false);
        s.w->ShowFleet();
        QCOMPARE(s.w->lblSurovina[42 + 0]->text(), qs("218"));
        click(s.w->lblNáklad[0]);
        QCOMPARE(s.line(), qs("40 jednotek za 8 000"));
        click(s.w->lblAkce[akce::Sell]);
        QCOMPARE(s.w->lblHotovost->text(), qs("10 002")); // and the day's interest
    }

    void sellingFromTheCargoTurningRoundPaysNothing() {
        TradeScreen s;
        click(s.w->lblNáklad[1]);
        QCOMPARE(s.line(), qs("10 jednotek za 400"));
        click(s.w->lblAkce[akce::Sell]);
        QCOMPARE(s.w->lbl[popisek::LoadLine]->text(), qs("20 z 100"));

        // Artefacts: Skalná's row is still in the panel, hidden; Vlnobrod does not buy them.
        // Run directly, the refused box does not sell the wood of the last trade again.
        click(s.w->lblNáklad[0]);
        QCOMPARE(s.line(), qs("Zboží není přijímáno"));
        QVERIFY(!s.box->sldMnožství->isVisible() && !s.w->lblAkce[akce::Sell]->isVisible());
        s.st().Fleet.Naklad[5] = 10;
        s.w->lblAkce_Click(akce::Sell);
        QCOMPARE(s.st().Fleet.Naklad[5], 10.0);
        QCOMPARE(s.st().Hotovost, 10400.0);

        // Gold sold down to 195 costs 200 to buy back; wood lifted to 70 by the dice still
        // sells at 40.
        s.st().Fleet.Naklad[0] = 10;
        s.w->ShowFleet();
        click(s.w->lblNáklad[0]);
        click(s.w->lblAkce[akce::Sell]);
        s.w->ShowMarket(0, false);
        QCOMPARE(s.w->lblSurovina[42 + 0]->text(), qs("195"));
        click(s.w->lblSurovina[28 + 0]);
        QCOMPARE(s.line(), qs("62 jednotek za 12 400"));
        QCOMPARE(s.w->lblSurovina[42 + 5]->text(), qs("70"));
        click(s.w->lblNáklad[1]);
        QCOMPARE(s.line(), qs("10 jednotek za 400"));

        // "Prodat vše" sells the wood at 40 as well, then ends on the refused artefacts.
        click(s.w->lblAkce[akce::SellAll]);
        QCOMPARE(s.w->lblHotovost->text(), qs("12 800"));
        click(s.w->lblAkce[akce::SellAll]);
        QVERIFY(s.box->picTransakce->isVisible());
        QCOMPARE(s.line(), qs("Zboží není přijímáno"));
        // With an empty hold there is nothing to sell, and an open box stays open.
        s.st().Fleet.Naklad = {};
        s.w->ShowFleet();
        click(s.w->lblSurovina[28 + 5]);
        click(s.w->lblAkce[akce::SellAll]);
        QCOMPARE(s.w->lbl[popisek::BoxTitle]->text(), qs("Nákup"));
    }

    // The bank's preset sets the amount and its moves show; deposits stop at no cash and
    // withdrawals at the debt limit, to the zlatý, reported as news. At the dock the second
    // click of a double-click reaches the label while its question waits: it asks nothing,
    // and one "Ano" buys one ship. Each action shows the new fleet.
    void theBankAndTheDockShowWhatTheyDid() {
        TradeScreen s;
        s.st().Hotovost = 99999;
        s.st().Konto = -400000;
        s.w->lblZal_Click(3);
        // The caption gives the rates the day change applies.
        const auto rate = [](double konto) {
            return QString::number(DailyInterest(konto, NumberLocale{}) / konto * 100) + "%";
        };
        QCOMPARE(s.w->lbl[42]->text(), "Úrok = " + rate(1e6) + " částky za den\nDluh stojí " +
                                           rate(-1e6) + " částky za den");
        click(s.w->findChild<BankPanel*>()->lblStupeň[2]); // 100 000
        click(s.w->lblAkce[akce::Deposit]);
        QCOMPARE(s.st().NewsQueue[0].text, std::string("Málo peněz pro uložení"));
        click(s.w->lblAkce[akce::Withdraw]);
        QCOMPARE(s.w->lbl[32]->text(), qs("-500 000"));
        QCOMPARE(s.w->lblHotovost->text(), qs("199 999"));
        click(s.w->lblAkce[akce::Withdraw]);
        QCOMPARE(s.st().NewsQueue[1].text, std::string("Už nelze vybírat peníze!"));

        s.st().Hotovost = 100300;
        s.st().Fleet.Poskozeni = 40;
        s.w->lblZal_Click(2);
        Answerer yes(*s.w, qs("Ano"));
        QTimer::singleShot(0, s.w.get(), [&] {
            QTest::mouseDClick(s.w->lblAkce[akce::BuyShip], Qt::LeftButton);
            click(s.w->lblAkce[akce::BuyShip]);
        });
        click(s.w->lblAkce[akce::BuyShip]);
        QCOMPARE(yes.texts, QStringList{qs("Chcete koupit 1 loď za 100 000 zlatých")});
        QCOMPARE(s.w->lbl[popisek::Fleet]->text(), qs("3 lodě typu: Malá obchodní loď"));
        QCOMPARE(s.w->lblHotovost->text(), qs("300"));
        click(s.w->lblAkce[akce::Repair]);
        QCOMPARE(s.w->lbl[popisek::Damage]->text(), qs("25 %"));
        s.st().Hotovost = 250000;
        click(s.w->lblAkce[akce::Upgrade]);
        QCOMPARE(s.w->lbl[popisek::Capacity]->text(), qs("100 jednotek"));
        click(s.w->lblAkce[akce::SellShip]);
        QCOMPARE(s.w->lbl[popisek::Fleet]->text(), qs("2 lodě typu: Velká obchodní loď"));
        QCOMPARE(s.w->lblHotovost->text(), qs("150 000"));
    }

    // On the small test game, played on: a failed save is reported and loses nothing, a
    // refused name is explained, and a save is written over a copy of the state file.
    void theSavePanelSavesOrSaysWhyNotAndLosesNothing() {
        testing::PortScreen p;
        p.st().StateSaved = false;
        const std::string stateFile = p.st().HandOff.File();
        const QByteArray state = contents(QString::fromStdString(stateFile));
        SavePanel* s = p.w->findChild<SavePanel*>();
        // The older save under that name is marked read-only.
        const QString older = p.fx.writeData(qs("Save/Benátky.mlo"), qs("[Mapa]\nDen=3\n"));
        QVERIFY(QFile::setPermissions(older, QFile::ReadOwner));
        Answerer ok(*p.w, qs("OK"));
        click(p.w->lblAkce[akce::OpenSave]);
        s->txtSave->setText(qs("Benátky"));
        click(p.w->lblAkce[akce::Save]);
        QCOMPARE(ok.texts.size(), 1);
        QVERIFY(ok.texts[0].startsWith(qs("Hru se nepodařilo uložit")));
        QCOMPARE(contents(older), QByteArray("[Mapa]\nDen=3\n"));
        QVERIFY(!p.st().StateSaved);
        QCOMPARE(p.st().HandOff.File(), stateFile);

        s->txtSave->setText(qs("../aktual"));
        click(p.w->lblAkce[akce::Save]);
        QCOMPARE(s->lblProblem->text(), qs("Název hry nesmí obsahovat znaky / a \\."));
        QVERIFY(s->lblProblem->isVisible() && p.w->picZáložka[3]->isVisible());
        QVERIFY(!p.st().StateSaved);
        // Blanks only save as QuickSave, and the box says so.
        s->txtSave->setText(qs("   "));
        click(p.w->lblAkce[akce::Save]);
        QCOMPARE(s->txtSave->text(), qs("QuickSave"));
        const QString quick = p.fx.dataPath(qs("Save/QuickSave.mlo"));
        QCOMPARE(QString::fromStdString(p.st().HandOff.File()), quick);
        QVERIFY(p.st().StateSaved);
        QVERIFY(contents(quick).contains("Ukol2=")); // what only the state file holds
        QCOMPARE(contents(QString::fromStdString(stateFile)), state);
    }

    // Closing the window asks only while the game is unsaved, and does what the answer says.
    void closingTheWindowAsksWhileTheGameIsUnsaved() {
        const struct {
            bool unsaved;
            const char* answer;
            bool closes, saved;
        } cases[] = {{true, "Ano", true, true},
                     {true, "Ne", true, false},
                     {true, "Zrušit", false, false},
                     {false, "Zrušit", true, false}};
        for (const auto& c : cases) {
            testing::PortScreen p;
            int exits = 0;
            p.w->ExitGame = [&exits] { ++exits; };
            p.st().StateSaved = !c.unsaved;
            Answerer a(*p.w, qs(c.answer));
            QCOMPARE(p.w->close(), c.closes);
            QCOMPARE(a.texts.size(), c.unsaved ? 1 : 0);
            QCOMPARE(a.texts.value(0, qs("Chcete hru uložit pod název: Poslední hra ?")),
                     qs("Chcete hru uložit pod název: Poslední hra ?"));
            QCOMPARE(QFile::exists(p.fx.dataPath(qs("Save/Poslední hra.mlo"))), c.saved);
            QCOMPARE(exits, c.closes ? 1 : 0);
        }
    }

    // Zlatý Mys: a big city, closed for 2500, without research; cash 25 000.
    void theCityPanelOpensFilledAndItsActionsWork() {
        testing::PortScreen s;
        frmMain& w = *s.w;
        click(w.lblMěsto[2]);
        QCOMPARE(w.lbl[popisek::CitySize]->text(), qs("velkoměsto"));

        // Access: asked, paid, the marker turns black, the offer goes.
        Answerer yes(w, qs("Ano"));
        click(w.lblAkce[akce::BuyAccess]);
        QCOMPARE(yes.texts, QStringList{qs("Chcete koupit přístup za 2 500 zlatých?")});
        QCOMPARE(w.lblHotovost->text(), qs("22 500"));
        QCOMPARE(portstyle::ForeColor(w.lblMěsto[2]), portstyle::Black);
        QVERIFY(w.lblAkce[akce::BuyAccess]->isHidden());

        // A day's research: the chart with the city's price, the offers gone.
        click(w.lblAkce[akce::BuyResearchDay]);
        QCOMPARE(s.st().Hotovost, 22490.0);
        QCOMPARE(w.lblSurovina[14 + 2]->text(), qs("150"));
        QVERIFY(w.picGraf->isVisible());
        // The day's end takes the chart and offers the research again.
        s.st().Cities[2].PruzkumTrhu = 0;
        w.PricesMoved();
        QVERIFY(w.picGraf->isHidden());
        QVERIFY(w.lblAkce[akce::BuyResearchDay]->isVisible());

        // "> plout sem" asks to sail to the shown city; the cross closes the panel, and the
        // next city opens it again, filled for that city.
        QSignalSpy sail(&w, &frmMain::sailRequested);
        click(w.lblAkce[akce::SailHere]);
        QCOMPARE(sail.value(0).value(0).toInt(), 2);
        click(w.lblAkce[akce::CloseCityInfo]);
        QVERIFY(w.picInf->isHidden());
        click(w.lblMěsto[0]);
        QCOMPARE(w.lbl[popisek::CitySize]->text(), qs("malé"));
        QVERIFY(w.lblAkce[akce::BuyAccess]->isHidden());
    }
};

QTEST_MAIN(TradeScreenTest)
#include "TradeScreenTest.moc"

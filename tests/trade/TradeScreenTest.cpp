// The port screen's trade, dock, bank, save and city panels, clicked as a player does.
#include "support/PortFixture.h"
#include "trade/TradeBox.h"
#include "widgets/PortStyle.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

using namespace vlnobrod;
using namespace vlnobrod::testing;
using namespace Qt::StringLiterals;

namespace {

// The trading port on its trade panel. Skalná's market was looked at from the same panel, so
// the hidden rows still carry that city's names and prices.
struct TradeScreen : TradingPort {
    TradeBox* box = w->findChild<TradeBox*>();
    TradeScreen() {
        box->ShowMarket(1);
        w->ShowTab(zalozka::Trade);
    }
    QString line() const { return Text(*w, "quantityLine"); }
    QSlider* slider() const { return Named<QSlider>(*w, "quantity"); }
    void click(const char* name, int row = -1) const { Click(*w, name, row); }
};

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
        s.st().Cities[1].PruzkumTrhu = 2;
        Click(*s.w, "city1");
        s.click("researchPrice", 3);
        QCOMPARE(s.st().NewsQueue[0].text, std::string("Zboží se nakupuje na kartě Obchod."));
        s.st().Hotovost = 30; // too little: the box says why, and run all the same buys nothing
        s.click("market", 5);
        QCOMPARE(s.line(), u"Nedostatek peněz"_s);
        s.box->Koupit();
        QCOMPARE(s.st().Cities[0].Trh[5].Cena, std::int16_t(40));

        s.st().Hotovost = 10000; // pays for 250, the hold has room for 70
        s.click("market", 5);
        QCOMPARE(s.slider()->value(), 70);
        s.slider()->setValue(25);
        QCOMPARE(s.line(), u"25 jednotek za 1 000"_s);
        s.click("buy");
        // The market moved, the row did not: its price opens the row at the old price, less room.
        QCOMPARE(Text(*s.w, "marketPrice", 5), u"40"_s);
        s.click("marketPrice", 5);
        QCOMPARE(s.line(), u"45 jednotek za 1 800"_s);
    }

    void sellingFromTheCargoTurningRoundPaysNothing() {
        TradeScreen s;
        s.click("cargo", 1);
        QCOMPARE(s.line(), u"10 jednotek za 400"_s);
        s.click("sell");
        QCOMPARE(Text(*s.w, "loadLine"), u"20 z 100"_s);

        // Artefacts: Skalná's row is still in the panel, hidden; Vlnobrod does not buy them.
        // Run directly, the refused box does not sell the wood of the last trade again.
        s.click("cargo", 0);
        QCOMPARE(s.line(), u"Zboží není přijímáno"_s);
        QVERIFY(!s.slider()->isVisible() && !Named(*s.w, "sell")->isVisible());
        s.st().Fleet.Naklad[5] = 10;
        s.box->Prodat();
        QCOMPARE(s.st().Fleet.Naklad[5], 10.0);

        // Gold sold down to 195 costs 200 to buy back; wood lifted to 70 still sells at 40.
        s.st().Fleet.Naklad[0] = 10;
        s.w->ShowFleet();
        s.click("cargo", 0);
        s.click("sell");
        s.box->ShowMarket(0);
        QCOMPARE(Text(*s.w, "marketPrice", 0), u"195"_s);
        s.click("market", 0);
        QCOMPARE(s.line(), u"62 jednotek za 12 400"_s);
        QCOMPARE(Text(*s.w, "marketPrice", 5), u"70"_s);
        s.click("cargo", 1);
        QCOMPARE(s.line(), u"10 jednotek za 400"_s);

        // "Prodat vše" sells the wood at 40 as well, then ends on the refused artefacts.
        s.click("sellAll");
        QCOMPARE(Text(*s.w, "cash"), u"12 800"_s);
        s.click("sellAll");
        QVERIFY(Named(*s.w, "tradeBox")->isVisible());
        QCOMPARE(s.line(), u"Zboží není přijímáno"_s);
        // With an empty hold there is nothing to sell, and an open box stays open.
        s.st().Fleet.Naklad = {};
        s.w->ShowFleet();
        s.click("market", 5);
        s.click("sellAll");
        QCOMPARE(Text(*s.w, "boxTitle"), u"Nákup"_s);
    }

    // At the dock the second click of a double-click reaches the label while its question waits:
    // it asks nothing, and one "Ano" buys one ship.
    void theBankAndTheDockShowWhatTheyDid() {
        TradeScreen s;
        s.st().Hotovost = 99999;
        s.st().Konto = -400000;
        s.w->ShowTab(zalozka::Bank);
        // The caption gives the rates the day change applies.
        QCOMPARE(Text(*s.w, "accountInterest"),
                 u"Úrok = 0.02% částky za den\nDluh stojí 0.01% částky za den"_s);
        s.click("preset", 2); // 100 000
        s.click("withdraw");
        QCOMPARE(Text(*s.w, "bankAccount"), u"-500 000"_s);
        QCOMPARE(Text(*s.w, "cash"), u"199 999"_s);

        s.st().Hotovost = 100000;
        s.w->ShowTab(zalozka::Dock);
        Answerer yes(*s.w, u"Ano"_s);
        QTimer::singleShot(0, s.w.get(), [&] {
            QTest::mouseDClick(Named(*s.w, "buyShip"), Qt::LeftButton);
            s.click("buyShip");
        });
        s.click("buyShip");
        QCOMPARE(yes.texts, QStringList{u"Chcete koupit 1 loď za 100 000 zlatých"_s});
        QCOMPARE(Text(*s.w, "fleet"), u"3 lodě typu: Malá obchodní loď"_s);
        s.st().Hotovost = 250000;
        s.click("upgrade");
        s.click("sellShip");
        QCOMPARE(Text(*s.w, "fleet"), u"2 lodě typu: Velká obchodní loď"_s);
        // Galleons have no upgrade: the dock opens with the keys on its first action, buying.
        s.st().Hotovost = 10'000'000;
        s.click("upgrade");
        QCOMPARE(Text(*s.w, "fleet"), u"2 lodě typu: Galeona"_s);
        s.w->ShowTab(zalozka::Map);
        s.w->ShowTab(zalozka::Dock);
        QCOMPARE(QApplication::focusWidget(), Named(*s.w, "buyShip"));
    }

    // On the small test game, played on.
    void theSavePanelExplainsARefusedNameAndSavesOverACopyOfTheState() {
        PortScreen p;
        p.st().StateSaved = false;
        const std::string stateFile = p.st().HandOff.File();
        const QByteArray state = contents(QString::fromStdString(stateFile));
        auto* name = Named<QLineEdit>(*p.w, "saveName");
        auto* problem = Named<QLabel>(*p.w, "saveProblem");
        Click(*p.w, "openSave");
        name->setText(u"../aktual"_s);
        Click(*p.w, "save");
        QCOMPARE(problem->text(), u"Název hry nesmí obsahovat znaky / a \\."_s);
        QVERIFY(problem->isVisible() && p.w->PanelAt(zalozka::Save)->isVisible());
        name->setText(u"   "_s); // blanks only: saved as QuickSave, and the box says so
        Click(*p.w, "save");
        QCOMPARE(name->text(), u"QuickSave"_s);
        const QString quick = p.fx.dataPath(u"Save/QuickSave.mlo"_s);
        QCOMPARE(QString::fromStdString(p.st().HandOff.File()), quick);
        QVERIFY(contents(quick).contains("Ukol2=")); // what only the state file holds
        QCOMPARE(contents(QString::fromStdString(stateFile)), state);
        // A save named longer elsewhere comes into the box cut, and the panel says so.
        const QString longName = QString(46, u'Ž'), fits = QString(45, u'Ř');
        for (const QString& file : {longName, fits})
            p.fx.writeData(u"Save/"_s + file + u".mlo"_s, u"[Mapa]\n"_s);
        Click(*p.w, "openSave");
        auto* saves = Named<QListWidget>(*p.w, "saveList");
        for (const QString& chosen : {longName, fits}) {
            const auto found = saves->findItems(chosen + u".mlo"_s, Qt::MatchExactly);
            QCOMPARE(found.size(), 1);
            QTest::mouseClick(saves->viewport(), Qt::LeftButton, {},
                              saves->visualItemRect(found[0]).center());
            QCOMPARE(name->text(), chosen.left(45));
            QCOMPARE(problem->isVisible(), chosen.size() > 45);
        }
        QCOMPARE(problem->text(), u"Název hry smí mít nejvýše 45 znaků."_s);
    }

    // "Ano" closes once the game is saved as "Poslední hra". When that save fails (an older one
    // is read-only) the failure is told, the window stays and the game stays unsaved.
    void closingTheWindowAsksWhileTheGameIsUnsaved() {
        const QString asked = u"Opuštění hry|Chcete hru uložit pod název: Poslední hra ?|"
                              "Ne/Ano/Zrušit"_s;
        // Unsaved, the answer, the old save read-only; whether the window closes, the game saved.
        const std::tuple<bool, const char*, bool, bool, bool> cases[] = {
            {true, "Ano", false, true, true},
            {true, "Ano", true, false, false},
            {true, "Ne", false, true, false},
            {true, "Zrušit", false, false, false},
            {false, "Zrušit", false, true, false}};
        for (const auto& [unsaved, answer, readOnly, closes, saves] : cases) {
            PortScreen p;
            int exits = 0;
            p.w->ExitGame = [&exits] { ++exits; };
            p.st().StateSaved = !unsaved;
            if (readOnly)
                QVERIFY(QFile::setPermissions(p.fx.writeData(u"Save/Poslední hra.mlo"_s, u""_s),
                                              QFile::ReadOwner));
            Answerer a(*p.w, QString::fromUtf8(answer));
            QCOMPARE(p.w->close(), closes);
            QCOMPARE(a.titles.value(0) + '|' + a.texts.value(0) + '|' + a.captions.value(0),
                     unsaved ? asked : u"||"_s);
            QCOMPARE(a.texts.value(1).startsWith(u"Hru se nepodařilo uložit"_s), readOnly);
            QCOMPARE(p.st().StateSaved, !unsaved || saves);
            QCOMPARE(p.st().HandOff.File().ends_with("Poslední hra.mlo"), saves);
            QCOMPARE(exits, closes ? 1 : 0);
        }
    }

    // Zlatý Mys: a big city, closed for 2500, without research; cash 25 000. The bank panel
    // lies open beside the city panel, and its figures follow whatever moved the money.
    void theCityPanelOpensFilledAndItsActionsWork() {
        PortScreen s;
        frmMain& w = *s.w;
        w.ShowTab(zalozka::Bank);
        Click(w, "city2");
        QCOMPARE(Text(w, "citySize"), u"velkoměsto"_s);

        Answerer yes(w, u"Ano"_s); // access: asked, paid, the marker turns black, the offer goes
        Click(w, "buyAccess");
        QCOMPARE(yes.texts, QStringList{u"Chcete koupit přístup za 2 500 zlatých?"_s});
        QCOMPARE(Text(w, "cash"), u"22 500"_s);
        QCOMPARE(Text(w, "bankCash"), u"22 500"_s);
        QCOMPARE(portstyle::ForeColor(Named(w, "city2")), portstyle::Black);
        QVERIFY(Named(w, "buyAccess")->isHidden());

        Click(w, "buyResearchDay"); // the chart with the city's price, the offers gone
        QCOMPARE(Text(w, "researchPrice", 2), u"150"_s);
        QVERIFY(Named(w, "researchChart")->isVisible());
        s.st().Cities[2].PruzkumTrhu = 0; // the day's end takes the chart, offers research again
        w.PricesMoved();
        QVERIFY(Named(w, "researchChart")->isHidden() && Named(w, "buyResearchDay")->isVisible());

        // The cross closes the panel, and the next city opens it again, filled for that city.
        Click(w, "closeCityInfo");
        QVERIFY(w.PanelAt(zalozka::CityInfo)->isHidden());
        Click(w, "city0");
        QCOMPARE(Text(w, "citySize"), u"malé"_s);
        QVERIFY(Named(w, "buyAccess")->isHidden());
    }
};

QTEST_MAIN(TradeScreenTest)
#include "TradeScreenTest.moc"

// The whole game by keys, as a screen reader reads it: a new game, a purchase, a city opened on
// the chart, a voyage with an event and a battle, a sale, a repair, the bank, a save and its load.
// VLNOBROD_TICKER names a file for the ticker's items, one a line, for scripts/atspi-listen.py.
#include "battle/frmSouboj.h"
#include "menu/LoadPanel.h"
#include "menu/frmMenu.h"
#include "shell/Windows.h"
#include "state/Scenarios.h"
#include "support/Accessibility.h"
#include "support/PortFixture.h"
#include "voyage/SeaEvents.h"
#include "voyage/VoyagePlan.h"
#include "voyage/VoyageStrip.h"
#include "widgets/Announcer.h"

#include <QElapsedTimer>
#include <QFile>
#include <QListWidget>
#include <QTest>

using namespace vlnobrod;
using namespace vlnobrod::testing;
using namespace Qt::StringLiterals;

namespace {

// Mapa1 for this journey: Vlnobrod (open, with a bank) in the west, Zlatý Mys in the middle and
// Skalná (closed, with a bank) far east. Sixteen small ships with two kinds of cargo: a fleet
// big enough to draw pirates. Prices stay inside their bounds, so a day draws no dice.
const char* const JourneyMap =
    "[Mapa]\nMapa=Mapa1\nNazev=Zkušební\nPocetMest=3\nName=Jan Novák\nCompany=Plachty a syn\n"
    "AktualniMesto=0\nObtiznost=1\nDen=1\nHotovost=400000\nKonto=0\nUkol=Vydělejte milion.\n"
    "[Mesto00]\nNazev=Vlnobrod\nVelikost=2\nPristup=0\nBanka=1\nX=100\nY=50\nTrh01Cena=300\n"
    "Trh01MinCena=300\n[Mesto01]\nNazev=Skalná\nVelikost=2\nPristup=1500\nBanka=1\nX=700\n"
    "Y=200\nTrh01Cena=500\nTrh01MinCena=500\n[Mesto02]\nNazev=Zlatý Mys\nVelikost=2\n"
    "Pristup=0\nX=400\nY=400\nTrh01Cena=400\nTrh01MinCena=400\n[Lode]\nPocet=16\nTyp=0\n"
    "Nosnost=50\nRychlost=15\nPoskozeni=20\nNaklad02=10\nNaklad09=5\n";

// With VLNOBROD_SCREENSHOTS set to a folder, the window as it stands is saved there.
void picture(QWidget& window, const char* name) {
    if (const QByteArray folder = qgetenv("VLNOBROD_SCREENSHOTS"); !folder.isEmpty())
        window.grab().save(QString::fromLocal8Bit(folder) + '/' + name + ".png");
}

} // namespace

class KeyboardJourneyTest : public QObject {
    Q_OBJECT
private slots:
    void newGameVoyageBattleTradeBankSaveAndLoadByKeys() {
        ScreenFixture fx;
        fx.writeData(u"Mapa1.mlo"_s, QString::fromUtf8(JourneyMap));
        WriteChart(fx, u"Mapa1"_s);
        GameState& st = fx.game().state;
        fx.random() = ScriptedRandom({0.99f});
        Windows windows(fx.game());
        windows.Start();
        frmMenu* menu = windows.Menu();
        QVERIFY(Shown(*menu));
        // Each question of the port screen answered with Enter; what its status line told kept.
        QStringList told;
        QPointer<frmMain> heard;
        QTimer ears;
        QObject::connect(&ears, &QTimer::timeout, [&] {
            frmMain* port = windows.Port();
            if (port && port != heard) {
                heard = port;
                // What the new window told before it was first heard.
                if (Announcer::Of(*port).Count() > 0)
                    told << Announcer::Of(*port).Said();
                QObject::connect(&Announcer::Of(*port), &Announcer::told,
                                 [&told](const QString& t) { told << t; });
            }
            if (port && port->Waiting())
                QTest::keyClick(port, Qt::Key_Return);
        });
        ears.start(5);

        // A new game: Ctrl+N, the map by the arrows, the company typed into its named field, Enter.
        press(*menu, {Qt::CTRL | Qt::Key_N, Qt::Key_Down, Qt::Key_Return});
        QCOMPARE(Spoken(menu->focusWidget()), u"Název společnosti:"_s);
        press(*menu, {Qt::CTRL | Qt::Key_A}, u"Jantar"_s);
        press(*menu, {Qt::Key_Return});
        frmMain* port = windows.Port();
        QVERIFY(port && port->HasGame());
        // The goal greets the game: told with its answer, and answered with Enter.
        QTRY_VERIFY2(told.contains(u"Úkolem této mapy je .... Vydělejte milion. Odpovědi: "
                                   "OK. Enter: OK."_s),
                     qPrintable(told.join("|")));
        QTRY_VERIFY(!port->Waiting());

        // Goods bought: the trade tab, the row found by its name, Enter, End for all, Enter.
        const QString gold = QString::fromStdString(GoodsName("Mapa1", 1));
        press(*port, {Qt::ALT | Qt::Key_O});
        QVERIFY(tabTo(*port, gold));
        QVERIFY2(Spoken(port->focusWidget()).contains(u"cena 300"_s),
                 qPrintable(Spoken(port->focusWidget())));
        const QString cashAtHome = Spoken(Named(*port, "cash"));
        press(*port, {Qt::Key_Return, Qt::Key_End, Qt::Key_Return});
        QVERIFY(Spoken(Named(*port, "cash")) != cashAtHome);

        // Skalná chosen on the chart with the arrows, west to east, and opened with Enter.
        press(*port, {Qt::ALT | Qt::Key_M, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right});
        QCOMPARE(Spoken(port->focusWidget()), u"Skalná, uzavřené město, přístup za 1 500 zlatých, "
                                              "vzdálenost 618"_s);
        picture(*port, "chart");
        press(*port, {Qt::Key_Return});
        QCOMPARE(Spoken(port->focusWidget()), u"Koupit přístup do města"_s);
        const int before = static_cast<int>(told.size());
        press(*port, {Qt::Key_Return});
        QTRY_VERIFY(told.size() > before && !port->Waiting());
        QVERIFY(tabTo(*port, u"> plout sem"_s));
        press(*port, {Qt::Key_Return});
        QVERIFY2(st.PendingAction == Pending::Voyage, qPrintable(told.join("|")));
        QVERIFY(Spoken(Named(*port, "voyage")).contains(u"Plavba do města Skalná: "_s));

        // The voyage tick by tick; the dice bring a man overboard on day one, pirates on day two.
        QStringList ticker;
        const auto readTicker = [&] {
            const QString line = Spoken(Named(*port, "news0"));
            if (ticker.isEmpty() || ticker.back() != line)
                ticker << line;
        };
        QObject::connect(Named<QTimer>(*port, "newsTimer"), &QTimer::timeout, port, readTicker);
        // The battle fought by keys: the powder box found by its name, 50 (long), then 42 on
        // the pirates' cannon; the outcome and the last landing are written down.
        QString outcome;
        QElapsedTimer heardOut;
        int shots = 0;
        WhenModal<frmSouboj> battleKeys([&](frmSouboj* b) {
            if (b->Rules().Flying())
                return;
            if (b->Rules().Over()) {
                // Enter a moment after the outcome is told, as a player hears it out first.
                if (outcome.isEmpty()) {
                    outcome = Announcer::Of(*b).Said() + '|' +
                              Named(*b, "status")->accessibleDescription();
                    heardOut.start();
                }
                if (heardOut.elapsed() >= 500) {
                    fx.random() = ScriptedRandom({0.99f});
                    press(*b, {Qt::Key_Return});
                }
                return;
            }
            if (!Named(*b, "fire0")->isEnabled() || shots >= 2 ||
                !tabTo(*b, u"Množství střelného prachu, obchodní loď"_s))
                return;
            press(*b, {Qt::CTRL | Qt::Key_A}, shots++ == 0 ? u"50"_s : u"42"_s);
            press(*b, {Qt::Key_Return});
        });
        auto* strip = port->findChild<VoyageStrip*>();
        for (int tick = 0, day = 0; st.PendingAction == Pending::Voyage && tick < 2000; ++tick) {
            if (st.Plavba.Tiky + 1 == CurrentPlan(st).ticksPerDay) {
                ++day;
                // A day's roll: an event when the first die is under 9/79, which one by the
                // second against the fleet's danger.
                const float danger = DangerScore(st, st.Plavba.Vzdalenost) - 1.0f;
                fx.random() = ScriptedRandom(
                    day == 1   ? std::vector<float>{0, 3.3f / danger, 0.99f}
                    : day == 2 ? std::vector<float>{0, 6.3f / danger, 0, 0, 0, 0, 0, 0, 0, 0.99f}
                               : std::vector<float>{0.99f});
            }
            strip->tmrPlavba_Timer();
        }
        QVERIFY(st.PendingAction != Pending::Voyage);
        QCOMPARE(shots, 2);
        QCOMPARE(outcome, u"Vyhrála obchodní loď! Enter zavře okno souboje.|Koule obchodní lodi "
                          "zasáhla pirátskou loď."_s);

        // The news of the voyage, each told once as the ticker shows it.
        for (int i = 0; i < 20; ++i) {
            port->tmrAktuality_Timer();
            readTicker();
            Settle(); // a screen reader reads each line before the next comes
        }
        for (const char* news : {"Muž přes palubu! Plavba se protáhne o 1 den.",
                                 "Piráti na obzoru!", "Vítejte v městě: Skalná"})
            QVERIFY2(ticker.contains(QString::fromUtf8(news)), qPrintable(ticker.join("|")));
        for (const QString& line : ticker)
            QVERIFY2(told.count(line) == 1, qPrintable(line + " | " + told.join("|")));

        if (const QByteArray file = qgetenv("VLNOBROD_TICKER"); !file.isEmpty()) {
            QFile out(QString::fromLocal8Bit(file));
            QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Text));
            out.write((ticker.join('\n') + '\n').toUtf8());
        }

        // In Skalná: everything sold (Alt+V), the cash read with its caption.
        const QString cashBefore = Spoken(Named(*port, "cash"));
        // The offscreen platform has no window manager to give the port the keys after the battle.
        QVERIFY(Shown(*port, true));
        press(*port, {Qt::ALT | Qt::Key_V});
        QVERIFY(Spoken(Named(*port, "cash")).endsWith(u", Hotovost (zlatých)"_s));
        QVERIFY(Spoken(Named(*port, "cash")) != cashBefore);

        // The dock: Tab to "Opravit", Enter, the question heard and answered with Enter.
        press(*port, {Qt::ALT | Qt::Key_D});
        QVERIFY(Spoken(Named(*port, "damage")) != u"0 %, Poškození"_s);
        QVERIFY(tabTo(*port, u"Opravit"_s));
        picture(*port, "dock");
        press(*port, {Qt::Key_Return});
        QTRY_COMPARE(Spoken(Named(*port, "damage")), u"0 %, Poškození"_s);

        // The bank: the amount with the arrows, deposited by Tab and Enter, then withdrawn.
        press(*port, {Qt::ALT | Qt::Key_B});
        QCOMPARE(Spoken(port->focusWidget()).section(',', 0, 0), u"Částka"_s);
        press(*port, {Qt::Key_PageUp, Qt::Key_PageUp, Qt::Key_PageUp});
        QVERIFY(tabTo(*port, u"Uložit na konto >>"_s));
        picture(*port, "bank");
        press(*port, {Qt::Key_Return});
        QTRY_VERIFY(!port->Waiting());
        const QString deposited = Spoken(Named(*port, "account"));
        QVERIFY2(!deposited.startsWith(u"0,"_s), qPrintable(deposited));
        QVERIFY(tabTo(*port, u"<<Vyzvednout si"_s));
        press(*port, {Qt::Key_Return});
        QTRY_VERIFY(!port->Waiting());
        QVERIFY(Spoken(Named(*port, "account")) != deposited);

        // Saved by Ctrl+S, a name typed into the field named "Uložit jako:", Enter.
        press(*port, {Qt::CTRL | Qt::Key_S});
        QCOMPARE(Spoken(port->focusWidget()), u"Uložit jako:"_s);
        press(*port, {}, u"Cesta"_s);
        press(*port, {Qt::Key_Return});
        QVERIFY(st.StateSaved);

        // Back to the menu (Alt+Z) and the save loaded again: Ctrl+O, Down, Enter.
        const QString cash = Spoken(Named(*port, "cash"));
        press(*port, {Qt::ALT | Qt::Key_Z});
        menu = windows.Menu();
        QVERIFY(menu && menu->isVisible() && Shown(*menu, true));
        press(*menu, {Qt::CTRL | Qt::Key_O, Qt::Key_Down});
        QCOMPARE(Spoken(menu->loadPanel->FileLoad).section(", ", 0, 0),
                 u"Vyberte kterou hru načíst:"_s);
        press(*menu, {Qt::Key_Return});
        QTRY_VERIFY(windows.Port() && windows.Port() != port && windows.Port()->isVisible());
        QCOMPARE(Spoken(Named(*windows.Port(), "cash")), cash);
    }
};

QTEST_MAIN(KeyboardJourneyTest)
#include "KeyboardJourneyTest.moc"

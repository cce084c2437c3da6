#pragma once

#include "port/frmMain.h"
#include "shell/PortScreen.h"
#include "support/ScreenFixture.h"
#include "world/DayChange.h"

#include <QApplication>
#include <QColor>
#include <QImage>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

namespace vlnobrod::testing {

// A small game for the port screen: three cities (the second closed and current, the third
// closed), a fleet of two small ships with a little cargo, and a chart to show.
inline const char* const PortGame =
    "[Mapa]\nMapa=Mapa1\nPocetMest=3\nName=Jan Novák\nCompany=Plachty a syn\nAktualniMesto=1\n"
    "Obtiznost=1\nDen=12\nHotovost=25000\nKonto=-3000\nUkol=Vydělejte milion.\n"
    "Ukol2=Otevřete Skalnou.\n[Mesto00]\nNazev=Vlnobrod\nVelikost=0\nPristup=0\nX=100\nY=50\n"
    "Trh00Cena=200\nTrh00MinCena=180\nTrh00Produkce=30\nTrh03Cena=120\nTrh03MinCena=150\n"
    "Trh03Produkce=0\n[Mesto01]\nNazev=Skalná\nVelikost=2\nPristup=1500\nX=300\nY=200\n"
    "Trh01Cena=300\nTrh01Produkce=-30\nTrh05Cena=400\n[Mesto02]\nNazev=Zlatý Mys\nVelikost=4\n"
    "Pristup=2500\nX=520\nY=330\nTrh02Cena=150\n[Lode]\nPocet=2\nTyp=0\nNosnost=50\nRychlost=15\n"
    "Poskozeni=20\nNaklad02=10\nNaklad09=5\n";

// A left click on the control of that name, as a player gives it.
inline void Click(const QObject& in, const char* name, int index = -1) {
    QTest::mouseClick(Named(in, name, index), Qt::LeftButton);
}
inline QString Text(const QObject& in, const char* name, int index = -1) {
    return Named<QLabel>(in, name, index)->text();
}

// A plain chart of the right size, so a test needs none of the shipped maps.
inline void WriteChart(const ScreenFixture& fx, const QString& mapa) {
    QImage chart(943, 590, QImage::Format_RGB32);
    chart.fill(QColor(0x3a, 0x78, 0x9a));
    chart.save(fx.dataPath(mapa + QStringLiteral(".jpg")), "JPG");
}

// Writes the game as the state file and points HandOff at it.
inline void PrepareGame(ScreenFixture& fx, const QString& text = QString::fromUtf8(PortGame)) {
    const QString path = fx.writeData(QStringLiteral("aktual.map"), text);
    WriteChart(fx, QStringLiteral("Mapa1"));
    fx.game().state.HandOff = path.toStdString();
}

// The port screen on a game of its own, shown: `game` written as the state file and loaded,
// or, when empty, the window without a game for the test to fill the state in.
struct PortScreen {
    ScreenFixture fx;
    std::unique_ptr<frmMain> w;

    explicit PortScreen(const char* game = PortGame) {
        if (*game != '\0')
            PrepareGame(fx, QString::fromUtf8(game));
        w = MakePortScreen(fx.game());
        w->Form_Load();
        QVERIFY(Shown(*w));
    }
    GameState& st() { return fx.game().state; }
};

// The port screen without a game file: Vlnobrod (size class 1) buys gold at 200 and wood at
// 40, Skalná artefacts at 120; two small ships (100 units) carry 20 artefacts and 10 wood.
struct TradingPort : PortScreen {
    TradingPort() : PortScreen("") {
        GameState& s = st();
        s.Mapa = "Mapa1";
        s.PocetMest = 2;
        s.Hotovost = 10000;
        s.Cities[0].Nazev = "Vlnobrod";
        s.Cities[0].Velikost = 1;
        s.Cities[0].Trh[0].Cena = 200;
        s.Cities[0].Trh[5].Cena = 40;
        s.Cities[1].Nazev = "Skalná";
        s.Cities[1].Trh[3].Cena = 120;
        s.Fleet.Pocet = 2;
        s.Fleet.Nosnost = 50;
        s.Fleet.Naklad[3] = 20;
        s.Fleet.Naklad[5] = 10;
        OpenTheDay(s);
    }
};

// Answers every question of the port screen's message box with the answer label that reads
// `caption` (the first label when none does), and writes down what was asked.
struct Answerer {
    QStringList titles, texts, captions; // captions: the answers shown from the left, "Ne/Ano"
    QTimer timer;

    Answerer(frmMain& window, const QString& caption) {
        QObject::connect(&timer, &QTimer::timeout, [this, w = QPointer<frmMain>(&window), caption] {
            if (!w || !Named(*w, "msgbox")->isVisible())
                return; // gone, or nothing asked
            titles << Text(*w, "msgTitle");
            texts << Text(*w, "msgText");
            QStringList shown;
            ClickLabel* pick = Named<ClickLabel>(*w, "answer", 0);
            for (int i = 0; i < 3; ++i)
                if (ClickLabel* b = Named<ClickLabel>(*w, "answer", i); b->isVisible()) {
                    shown << b->text();
                    if (b->text() == caption)
                        pick = b;
                }
            captions << shown.join(QLatin1Char('/'));
            QTest::mouseClick(pick, Qt::LeftButton);
        });
        timer.start(10);
    }
};

// While it lives, hands every modal window of type T to `handle`.
template <typename T> struct WhenModal {
    QTimer poll;
    explicit WhenModal(std::function<void(T*)> handle) {
        QObject::connect(&poll, &QTimer::timeout, [handle] {
            if (auto* w = qobject_cast<T*>(QApplication::activeModalWidget()))
                handle(w);
        });
        poll.start(10);
    }
};

} // namespace vlnobrod::testing

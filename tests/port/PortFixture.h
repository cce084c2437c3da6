#pragma once

#include "port/frmMain.h"
#include "support/ScreenFixture.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QTest>
#include <QTimer>
#include <memory>

namespace vlnobrod::testing {

// A small game for the port screen: three cities (the second closed and current, the third
// closed), a fleet of two small ships with a little cargo, and a chart to show.
inline const char* const PortGame = R"([Mapa]
Mapa=Mapa1
PocetMest=3
Name=Jan Novák
Company=Plachty a syn
AktualniMesto=1
Obtiznost=1
Den=12
Hotovost=25000
Konto=-3000
Ukol=Vydělejte milion.
Ukol2=Otevřete Skalnou.
[Mesto00]
Nazev=Vlnobrod
Velikost=0
Pristup=0
X=100
Y=50
Trh00Cena=200
Trh00MinCena=180
Trh00Produkce=30
Trh03Cena=120
Trh03MinCena=150
Trh03Produkce=0
[Mesto01]
Nazev=Skalná
Velikost=2
Pristup=1500
X=300
Y=200
Trh01Cena=300
Trh01Produkce=-30
Trh05Cena=400
[Mesto02]
Nazev=Zlatý Mys
Velikost=4
Pristup=2500
X=520
Y=330
Trh02Cena=150
[Lode]
Pocet=2
Typ=0
Nosnost=50
Rychlost=15
Poskozeni=20
Naklad02=10
Naklad09=5
)";

// A plain chart of the right size, so a test needs none of the shipped maps.
inline void WriteChart(const ScreenFixture& fx, const QString& mapa, int w = 943, int h = 590) {
    QImage chart(w, h, QImage::Format_RGB32);
    chart.fill(QColor(0x3a, 0x78, 0x9a));
    QPainter p(&chart);
    p.setBrush(QColor(0xc9, 0xb4, 0x7f));
    p.drawEllipse(QRect(200, 100, 400, 250));
    p.end();
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
        w = std::make_unique<frmMain>(fx.game());
        w->Form_Load();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    }
    GameState& st() { return fx.game().state; }
};

// Answers every question of the port screen's message box with the answer label that reads
// `caption` (the first label when none does), and writes down what was asked.
class Answerer {
public:
    Answerer(frmMain& w, QString caption) : w_(w), caption_(std::move(caption)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
        timer_.start(10);
    }
    QStringList titles, texts;
    QStringList captions; // the answer labels shown, from the left: "Ne/Ano/Zrušit"

private:
    void Poll() {
        if (!w_.picMsgBox->isVisible())
            return;
        titles << w_.lblTitulek->text();
        texts << w_.lblText->text();
        QStringList shown;
        ClickLabel* pick = w_.cmd[0];
        for (ClickLabel* b : w_.cmd)
            if (b->isVisible()) {
                shown << b->text();
                if (b->text() == caption_)
                    pick = b;
            }
        captions << shown.join(QLatin1Char('/'));
        QTest::mouseClick(pick, Qt::LeftButton);
    }
    frmMain& w_;
    QString caption_;
    QTimer timer_;
};

} // namespace vlnobrod::testing

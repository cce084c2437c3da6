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

// Clicks an answer label of the message box as soon as the box is up.
inline void AnswerWhenAsked(frmMain& w, int index) {
    QTimer::singleShot(0, &w, [&w, index] {
        QTRY_VERIFY(w.picMsgBox->isVisible());
        QTest::mouseClick(w.cmd[static_cast<std::size_t>(index)], Qt::LeftButton);
    });
}

} // namespace vlnobrod::testing

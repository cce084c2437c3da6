#include "VoyageStrip.h"

#include "port/PortArt.h"
#include "port/PortLabels.h"
#include "port/frmMain.h"
#include "state/ShipTypes.h"
#include "voyage/Voyage.h"
#include "voyage/VoyagePlan.h"
#include "widgets/PortStyle.h"
#include "world/AtSea.h"
#include "world/DeadEnd.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <algorithm>

namespace vlnobrod {

using namespace portstyle;

namespace {

constexpr int StripLeft = 8;
constexpr int StripTop = frmMain::MapHeight + 6;
constexpr int LabelsLeft = StripLeft + voyagestrip::Width + 16;

// A port screen without a battle window (a test of the screen alone) gives up at once.
class NoBattle final : public Battle {
public:
    BattleResult Fight(GameState& st, HandOffWord) override {
        st.HandOff = HandOffWord::Prohral;
        return {HandOffWord::Prohral};
    }
};

} // namespace

VoyageStrip::VoyageStrip(frmMain& port) : QObject(&port), port_(port) {
    Build();
    port_.SailTo = [this](int city) { StartVoyage(city); };
    connect(&port_, &frmMain::gameLoaded, this, [this] { ShowVoyage(); });
    port_.installEventFilter(this);
}

void VoyageStrip::Build() {
    frmMain& w = port_;
    w.picPlavba = new QFrame(&w);
    w.picPlavba->setObjectName(QStringLiteral("voyage"));
    w.picPlavba->setStyleSheet(
        QStringLiteral("QFrame#voyage { border: 2px solid #5a3b1a; border-radius: 4px; "
                       "background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #bcd9e8, "
                       "stop:0.55 #8fbfd6, stop:0.56 #2f6a8a, stop:1 #1d4a66); }"));
    w.picPlavba->setGeometry(StripLeft, StripTop, voyagestrip::Width, voyagestrip::Height);
    w.picPlavba->hide();
    // The three ships by type, hidden, and the one that sails.
    for (int typ = 0; typ < ShipTypeCount; ++typ) {
        auto* ship = new QLabel(w.picPlavba);
        const int width = ShipPictureWidth(static_cast<std::uint8_t>(typ));
        ship->setPixmap(ShipPicture(typ).scaled(width, voyagestrip::Height - 6, Qt::KeepAspectRatio,
                                                Qt::SmoothTransformation));
        ship->setFixedSize(width, voyagestrip::Height - 6);
        ship->setAlignment(Qt::AlignCenter);
        ship->hide();
        w.imgLoď[static_cast<std::size_t>(4 + typ)] = ship;
    }
    w.imgLoď[0] = new QLabel(w.picPlavba);
    w.imgLoď[0]->setAlignment(Qt::AlignCenter);
    w.imgLoď[0]->setStyleSheet(QStringLiteral("background: transparent;"));

    // Two lines for the longest names ("Plavba do města: Santo Domingo").
    w.lbl[31] = MakeClickLabel(&w, QStringLiteral("Cesta do:"), LabelsLeft, StripTop,
                               frmMain::MapWidth - LabelsLeft, 48);
    w.lbl[31]->setFont(SerifFont(12));
    w.lbl[31]->setWordWrap(true);
    w.lbl[31]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    w.lbl[30] =
        MakeClickLabel(&w, QStringLiteral("Vzdálenost:"), LabelsLeft, StripTop + 52, 90, 22, 11);
    w.lblVzdálenost = MakeLabel(&w, QString(), LabelsLeft + 90, StripTop + 52, 80, 22, 11, true);
    for (QLabel* l :
         {static_cast<QLabel*>(w.lbl[31]), static_cast<QLabel*>(w.lbl[30]), w.lblVzdálenost}) {
        SetForeColor(l, QColor(0xf6, 0xe7, 0xb8));
        l->hide();
    }

    w.tmrPlavba = new QTimer(this);
    w.tmrPlavba->setInterval(voyagestrip::IntervalMs);
    connect(w.tmrPlavba, &QTimer::timeout, this, [this] { tmrPlavba_Timer(); });
}

Battle& VoyageStrip::PirateBattle() {
    static NoBattle none;
    return port_.PirateBattle ? *port_.PirateBattle : none;
}

void VoyageStrip::StartVoyage(int city) {
    GameState& st = port_.Game().state;
    // Nothing sails while a question waits or the day is being sailed.
    if (ticking_ || port_.Waiting())
        return;
    const std::uint8_t from = st.AktualniMesto;
    if (SetSail(st, city) != SailAnswer::Sailing)
        return;
    // The dock and the bank are not used at sea.
    for (Panel* p : port_.picZáložka)
        p->hide();
    SetForeColor(port_.lblMěsto[from], Black);
    ShowVoyage();
}

void VoyageStrip::ShowVoyage() {
    frmMain& w = port_;
    const GameState& st = w.Game().state;
    const bool sailing = AtSea(st);
    w.picZáložky->setVisible(!sailing);
    for (QWidget* x : {static_cast<QWidget*>(w.picPlavba), static_cast<QWidget*>(w.lbl[30]),
                       static_cast<QWidget*>(w.lbl[31]), static_cast<QWidget*>(w.lblVzdálenost)})
        x->setVisible(sailing);
    if (sailing) {
        const VoyageRecord& v = st.Plavba;
        const QLabel* model = w.imgLoď[std::size_t{4} + std::min(st.Fleet.Typ, LastShipType)];
        w.imgLoď[0]->setPixmap(model->pixmap());
        w.imgLoď[0]->resize(ShipPictureWidth(st.Fleet.Typ), model->height());
        w.imgLoď[0]->move(v.Pozice, 3);
        w.imgLoď[0]->show();
        const QString name = QString::fromStdString(st.Cities[v.Kam].Nazev);
        w.lbl[31]->setText(QStringLiteral("Plavba do města: ") + name);
        w.lbl[31]->Tag = QString::number(v.Kam);
        w.lblVzdálenost->setText(QString::number(v.Vzdalenost));
        SetForeColor(w.lblMěsto[v.Kam], Red);
    }
    Sync();
}

void VoyageStrip::Sync() {
    QTimer* t = port_.tmrPlavba;
    const bool run = AtSea(port_.Game().state) && port_.isVisible() && !ticking_;
    if (run && !t->isActive())
        t->start();
    else if (!run)
        t->stop();
}

void VoyageStrip::tmrPlavba_Timer() {
    GameState& st = port_.Game().state;
    // A question, the battle or the results window has the player: the ship waits.
    if (ticking_ || port_.Waiting() || QApplication::activeModalWidget())
        return;
    if (!AtSea(st) || !port_.isVisible()) {
        Sync();
        return;
    }
    ticking_ = true;
    // Stopped while the tick runs: the battle and the goal's message wait inside it.
    port_.tmrPlavba->stop();
    const VoyageTick t = SailTick(st, port_.Game().random, port_, PirateBattle());
    ticking_ = false;
    if (t.arrived) {
        Arrived();
        return;
    }
    port_.imgLoď[0]->move(st.Plavba.Pozice, port_.imgLoď[0]->y());
    if (t.dayPassed)
        port_.ShowFleet();
    Sync();
}

void VoyageStrip::Arrived() {
    frmMain& w = port_;
    const GameState& st = w.Game().state;
    const std::uint8_t t = st.AktualniMesto;
    w.tmrPlavba->stop();
    ShowVoyage();
    w.lblZal[3]->setVisible(st.Cities[t].Banka);
    w.lblZal_Click(1); // the trade tab, on the new market
    const QString name = QString::fromStdString(st.Cities[t].Nazev);
    w.lbl[popisek::TradeTitle]->setText(QStringLiteral("Obchod - ") + name);
    SetForeColor(w.lblMěsto[t], Red);
    w.ShowMarket(t, false);
    w.ShowFleet();
    TellDeadEnd(w.Game().state, w);
}

bool VoyageStrip::eventFilter(QObject* watched, QEvent* e) {
    // Put aside for the menu (or minimised), the voyage waits; shown again, it sails on.
    if (watched == &port_ && (e->type() == QEvent::Hide || e->type() == QEvent::Show))
        QTimer::singleShot(0, this, [this] { Sync(); });
    return QObject::eventFilter(watched, e);
}

} // namespace vlnobrod

#include "VoyageStrip.h"

#include "port/PortArt.h"
#include "port/frmMain.h"
#include "state/ShipTypes.h"
#include "voyage/Voyage.h"
#include "voyage/VoyagePlan.h"
#include "voyage/VoyageReport.h"
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
    picPlavba = new QFrame(&w);
    picPlavba->setObjectName(QStringLiteral("voyage"));
    picPlavba->setStyleSheet(
        QStringLiteral("QFrame#voyage { border: 2px solid #5a3b1a; border-radius: 4px; "
                       "background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #bcd9e8, "
                       "stop:0.55 #8fbfd6, stop:0.56 #2f6a8a, stop:1 #1d4a66); }"));
    picPlavba->setGeometry(StripLeft, StripTop, voyagestrip::Width, voyagestrip::Height);
    picPlavba->hide();
    // The three ships by type, hidden, and the one that sails.
    for (int typ = 0; typ < ShipTypeCount; ++typ) {
        auto* ship = new QLabel(picPlavba);
        const int width = ShipPictureWidth(static_cast<std::uint8_t>(typ));
        ship->setPixmap(ShipPicture(typ).scaled(width, voyagestrip::Height - 6, Qt::KeepAspectRatio,
                                                Qt::SmoothTransformation));
        ship->setFixedSize(width, voyagestrip::Height - 6);
        ship->setAlignment(Qt::AlignCenter);
        ship->hide();
        models_[static_cast<std::size_t>(typ)] = ship;
    }
    ship_ = new QLabel(picPlavba);
    ship_->setObjectName(QStringLiteral("voyageShip"));
    ship_->setAlignment(Qt::AlignCenter);
    ship_->setStyleSheet(QStringLiteral("background: transparent;"));

    // Two lines for the longest names ("Plavba do města: Santo Domingo").
    title_ = MakeClickLabel(&w, QStringLiteral("Cesta do:"), LabelsLeft, StripTop,
                            frmMain::MapWidth - LabelsLeft, 48);
    title_->setObjectName(QStringLiteral("voyageTitle"));
    title_->setFont(SerifFont(12));
    title_->setWordWrap(true);
    title_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    distanceCaption_ =
        MakeClickLabel(&w, QStringLiteral("Vzdálenost:"), LabelsLeft, StripTop + 52, 90, 22, 11);
    lblVzdálenost = MakeLabel(&w, QString(), LabelsLeft + 90, StripTop + 52, 80, 22, 11, true);
    lblVzdálenost->setObjectName(QStringLiteral("voyageDistance"));
    for (QLabel* l : {title_, distanceCaption_, lblVzdálenost}) {
        SetForeColor(l, QColor(0xf6, 0xe7, 0xb8));
        l->hide();
    }

    tmrPlavba = new QTimer(this);
    tmrPlavba->setInterval(voyagestrip::IntervalMs);
    connect(tmrPlavba, &QTimer::timeout, this, [this] { tmrPlavba_Timer(); });
}

bool VoyageStrip::Sailing() const {
    return tmrPlavba->isActive();
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
    port_.ClosePanels();
    port_.MarkCity(from, frmMain::CityMark::Open);
    ShowVoyage();
}

void VoyageStrip::ShowVoyage() {
    frmMain& w = port_;
    const GameState& st = w.Game().state;
    const bool sailing = AtSea(st);
    w.ShowTabStrip(!sailing);
    for (QWidget* x : {static_cast<QWidget*>(picPlavba), static_cast<QWidget*>(distanceCaption_),
                       static_cast<QWidget*>(title_), static_cast<QWidget*>(lblVzdálenost)})
        x->setVisible(sailing);
    if (sailing) {
        const VoyageRecord& v = st.Plavba;
        const QLabel* model = models_[std::min<std::size_t>(st.Fleet.Typ, models_.size() - 1)];
        ship_->setPixmap(model->pixmap());
        ship_->resize(ShipPictureWidth(st.Fleet.Typ), model->height());
        ship_->move(v.Pozice, 3);
        ship_->show();
        const QString name = QString::fromStdString(st.Cities[v.Kam].Nazev);
        title_->setText(QStringLiteral("Plavba do města: ") + name);
        lblVzdálenost->setText(QString::number(v.Vzdalenost));
        w.MarkCity(v.Kam, frmMain::CityMark::Here);
        Describe();
    }
    Sync();
}

void VoyageStrip::Describe() {
    picPlavba->setAccessibleDescription(QString::fromStdString(VoyageText(port_.Game().state)));
}

void VoyageStrip::Sync() {
    QTimer* t = tmrPlavba;
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
    tmrPlavba->stop();
    const VoyageTick t = SailTick(st, port_.Game().random, port_, PirateBattle());
    ticking_ = false;
    if (t.arrived) {
        Arrived();
        return;
    }
    ship_->move(st.Plavba.Pozice, ship_->y());
    Describe();
    if (t.dayPassed)
        port_.ShowFleet();
    Sync();
}

void VoyageStrip::Arrived() {
    frmMain& w = port_;
    tmrPlavba->stop();
    ShowVoyage();
    w.ShowCurrentCity();
    w.ShowTab(zalozka::Trade); // the trade tab, on the new market
    TellDeadEnd(w.Game().state, w);
}

bool VoyageStrip::eventFilter(QObject* watched, QEvent* e) {
    // Put aside for the menu (or minimised), the voyage waits; shown again, it sails on.
    if (watched == &port_ && (e->type() == QEvent::Hide || e->type() == QEvent::Show))
        QTimer::singleShot(0, this, [this] { Sync(); });
    return QObject::eventFilter(watched, e);
}

} // namespace vlnobrod

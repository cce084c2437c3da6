#pragma once

#include "state/Battle.h"

#include <QObject>
#include <array>

class QFrame;
class QLabel;
class QTimer;

namespace vlnobrod {

class frmMain;

// The voyage on the port screen: a right or middle click on a city (or "> plout sem") sets
// sail, the strip takes the tab strip's place and a 100 ms timer moves the ship across it,
// letting the rules pass the days, roll the sea and land the fleet. The timer runs only at
// sea, while the port screen is on show and nothing waits for the player. The strip builds
// its own widgets on the port screen: "voyage" (the strip) with "voyageShip", and beside it
// "voyageTitle" and "voyageDistance". The strip tells a screen reader where the fleet sails and
// how long it has left.
class VoyageStrip : public QObject {
    Q_OBJECT
public:
    explicit VoyageStrip(frmMain& port);

    // A voyage to `city`, or the news saying why not.
    void StartVoyage(int city);
    // One tick of tmrPlavba.
    void tmrPlavba_Timer();
    // Whether the ship is moving: at sea, on show, nothing waiting.
    bool Sailing() const;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void Build();
    // The strip or the tab strip, as the game stands (a game just opened may be at sea).
    void ShowVoyage();
    void Arrived();
    // The strip's words for a screen reader, as the ship stands: where to, days sailed and left.
    void Describe();
    // The timer runs exactly while a voyage is under way and the port screen is on show.
    void Sync();
    Battle& PirateBattle();

    frmMain& port_;
    bool ticking_ = false;
    QFrame* picPlavba = nullptr;
    std::array<QLabel*, 3> models_{}; // the ship of each type, at the strip's size
    QLabel* ship_ = nullptr;          // the one that sails
    QLabel* title_ = nullptr;         // "Plavba do města: ..."
    QLabel* distanceCaption_ = nullptr;
    QLabel* lblVzdálenost = nullptr;
    QTimer* tmrPlavba = nullptr;
};

} // namespace vlnobrod

#pragma once

#include "battle/BattleRules.h"
#include "widgets/GameServices.h"

#include <QDialog>
#include <QPixmap>
#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QTimer;

namespace vlnobrod {

class CannonLine;

// The captions of the cannon settings below the sea; the pirates' side mirrors the merchant's.
namespace popisek {
enum Index : int {
    Settings = 0,       // "Nastavení děla:"
    MerchantAngle = 1,  // "Úhel:"
    MerchantPowder = 2, // "Množství střelného prachu:"
    PiratesPowder = 3,
    PiratesAngle = 4,
};
constexpr int Count = 5;
} // namespace popisek

// The battle window: the merchant ship on the left, the pirates on the right, each with its
// cannon settings and its "pal". The battle itself is BattleRules; the window runs the flight
// and the pirates' timers, moves the pictures and shows the texts. The caller loads it, shows
// it modally and reads the result once it has gone (hidden at the end of the battle, closed
// when the player gives up).
class frmSouboj : public QDialog {
    Q_OBJECT
public:
    frmSouboj(GameServices& game, BattleMemory& memory, QWidget* parent = nullptr);
    ~frmSouboj() override;

    // The window's loading, with the word the caller handed over (Pirati, PiratiB, PiratiB2).
    void Form_Load(HandOffWord mode, const FleetRecord& fleet);

    // The computer pirates' turn, one second after the merchant's ball has landed.
    void Piráti();

    const BattleRules& Rules() const { return rules_; }
    BattleResult Result() const { return rules_.Result(); }

public slots:
    // Escape and every other way of dismissing the dialog come here as a close request.
    void reject() override;

protected:
    // Enter is the "pal" of the side whose shot it is.
    void keyPressEvent(QKeyEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

public:
    void setVisible(bool visible) override;

private:
    void BuildLayout();
    void BuildControls(int ship, int x);
    void NameControls();
    void Fire(int ship);
    void Launched();
    void MoveBall();
    void tmrPal_Timer();
    void Refresh();
    void TakeAim(int ship);
    void PlaySounds();
    void StopTimers();
    bool AskSurrender();
    // What a screen reader is told (frmSoubojSpeech.cpp): the controls' names, the battle's
    // state in the "pal" buttons' descriptions, each landing, and the outcome.
    void DescribeControls();
    void UpdateDescriptions();
    void ReportLanding();
    void ShowOutcome();

    // Tests and the benchmark reach every control by its object name ("powder0", "fire1",
    // "ball", "outcome", ...).
    std::array<QLineEdit*, 2> txtÚhel{};
    std::array<QLineEdit*, 2> txtSíla{};
    std::array<QSlider*, 2> sldÚhel{};
    std::array<QSlider*, 2> sldSíla{};
    QPushButton* cmdPal = nullptr;   // the merchant's "pal"
    QPushButton* Command1 = nullptr; // the pirates' "pal", a second player's only
    QLabel* lblStatus = nullptr;
    QTimer* tmrPal = nullptr;      // 20 ms: the ball in flight
    QTimer* tmrPiráti = nullptr;   // 1000 ms, once: the computer pirates' turn
    std::array<QLabel*, 2> lodě{}; // the ship pictures, by Merchant and Pirates
    std::array<CannonLine*, 2> lnlDělo{};
    QLabel* Koule = nullptr;
    std::array<QLabel*, 2> lblPoškození{};
    QLabel* lblVítr = nullptr;
    std::array<QLabel*, popisek::Count> popisky{};
    // Who won, over the sea once the battle is decided, and its "OK": the window stays until
    // the player has read it (Enter).
    QLabel* lblVýsledek = nullptr;
    QPushButton* cmdOK = nullptr;
    GameServices& game_;
    BattleRules rules_;
    QPixmap background_;
    bool asking_ = false;
    QString lastLanding_; // where the last ball fell, in words
};

} // namespace vlnobrod

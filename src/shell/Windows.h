#pragma once

#include "battle/BattleRules.h"
#include "battle/WindowBattle.h"
#include "widgets/GameServices.h"

#include <QString>
#include <memory>

class QWidget;

namespace vlnobrod {

class frmHelp;
class frmMain;
class frmMenu;

class GameView;

// Owns the game's windows and moves the player between them: the menu first, the port
// screen for a game, the battle, statistics and guide windows on demand.
class Windows {
public:
    explicit Windows(GameServices& game);
    ~Windows();

    void Start();    // the menu, as the program starts
    void ExitGame(); // closes every window and ends the program

    // A fresh port screen for the game file named by HandOff, in place of the menu. A game
    // that cannot be opened is reported and the menu stays.
    void StartGame();
    // The port screen is put aside with its game; the menu comes back to offer continuing.
    void BackToMenu();
    // From the menu back to the game waiting behind it.
    void ContinueGame();

    // The guide, made on first use and kept; shown above the other windows with the keys,
    // which Escape gives back. From Start() on, F1 opens it from any window.
    void ShowGuide();
    frmHelp* Guide() const { return guide_.get(); }

    // The statistics and best-players window over `owner`, modal; with HandOff "Zápis" the
    // finished game is entered into the table first.
    void ShowStatistics(QWidget* owner, GameView& view);

    // The menu's duel: the battle window modal over the menu, then who won. The game waiting
    // behind the menu, if any, is left as it was.
    void RunDuel(HandOffWord mode);
    // The battle a voyage fights when pirates appear.
    Battle& PirateBattle() { return battle_; }

    frmMenu* Menu() const { return menu_.get(); }
    frmMain* Port() const { return port_.get(); }

private:
    void ShowMenu(bool gameWaiting);
    void ReportLoadError(const QString& message);
    // Before the game behind the menu is ended or replaced: an unsaved game asks whether to
    // save it as "Poslední hra". False: the player stays (or the save failed).
    bool LeaveGame();

    GameServices& game_;
    BattleMemory battleMemory_;
    WindowBattle battle_{game_, battleMemory_};
    std::unique_ptr<frmMenu> menu_;
    std::unique_ptr<frmMain> port_;
    std::unique_ptr<frmHelp> guide_;
    class GuideKey;
    std::unique_ptr<GuideKey> guideKey_;
    bool exiting_ = false;
};

} // namespace vlnobrod

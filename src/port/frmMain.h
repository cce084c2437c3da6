#pragma once

#include "port/PortLabels.h"
#include "state/Battle.h"
#include "state/GameView.h"
#include "widgets/ClickLabel.h"
#include "widgets/GameServices.h"
#include "widgets/Panel.h"

#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QRect>
#include <QString>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class QTimer;

namespace vlnobrod {

// The port screen, the window in which the game is played: the sea chart with the cities, the
// tab strip, the money and day counters, the message box and the news ticker, and the room
// for the panels (trade, dock, bank, save, city information) and the voyage strip.
//
// The screen keeps its widgets to itself. Each panel is made by its own subsystem (the shell
// attaches them, shell/PortScreen.h): it asks the screen for its movable frame (AddPanel),
// builds its controls inside, and listens to the screen's signals to show what changed. The
// screen includes none of them.
//
// Controls tests and tools look for carry object names: the chart "seaChart", the tabs "tabMapa",
// "tabObchod", "tabDok" and "tabBanka", the panels "panel1".."panel5" (by zalozka), the cities
// "city0".., the counters "cash", "account" and "days", the actions "goal", "openSave",
// "statistics" and "backToMenu", the message box "msgbox" with "msgTitle", "msgText" and the
// answers "answer0".."answer2", the news lines "news0" and "news1" and their timer "newsTimer".
class frmMain : public QWidget, public GameView {
    Q_OBJECT
public:
    static constexpr int MapWidth = 849;
    static constexpr int MapHeight = 471;

    explicit frmMain(GameServices& game, QWidget* parent = nullptr);
    ~frmMain() override;

    // Fills the window from the game file named by HandOff (nothing when HandOff is empty):
    // the chart, the cities, one day change for the stored days, the counters, the news.
    // Called once, after the panels are attached, since a goal already met is announced
    // (and the results window opened) while the game loads.
    void Form_Load();

    // Why the game file `file` (a map, a saved game) could not be opened, in Czech; empty
    // when it can be. Nothing of the game in memory changes.
    static QString GameProblem(GameServices& game, const std::string& file);

    // Whether a game was opened; when it could not be, LoadError says why, in Czech.
    bool HasGame() const { return hasGame_; }
    const QString& LoadError() const { return loadError_; }

    GameServices& Game() { return game_; }

    // The panels. A panel's owner asks for its movable frame once, with its number, title and
    // place, and builds inside it; the screen shows, hides, keeps on the chart and tracks the
    // mouse over it.
    Panel* AddPanel(int index, const QString& title, const QRect& place);
    Panel* PanelAt(int index) const;
    // A tab's click (zalozka 0..3), with its sound: every tab's panel and the save panel
    // hidden and `tab`'s shown, filled (panelOpened) and with the fleet's figures; "Mapa"
    // leaves the chart free. The tab of the open panel is the one marked, however it opened.
    void ShowTab(int tab);
    int OpenTab() const;
    // Shown and brought to the front, the others as they are.
    void OpenPanel(int index);
    // The tabs' panels and the save panel hidden (the city information stays).
    void ClosePanels();
    // The tab strip, or (at sea) the voyage strip in its place.
    void ShowTabStrip(bool shown);

    // The cities on the chart: black open, grey closed, red where the fleet is or goes.
    enum class CityMark { Open, Closed, Here };
    void MarkCity(int city, CityMark mark);
    // The fleet is in a new port: its name red, the bank tab only where it has a bank.
    void ShowCurrentCity();

    // The screen's own action labels (akce); other code runs them through lblAkce_Click too.
    void lblAkce_Click(int Index);
    void SetAction(int index, std::function<void()> action);

    // A right or middle click on a city, and "> plout sem": a voyage to `city`, run by
    // whoever set SailTo (the voyage strip, shell/PortScreen.h).
    void StartVoyage(int city);
    std::function<void(int)> SailTo;

    // An answer label of the message box: answers the question on show.
    void cmd_Click(int Index);
    // Whether a question waits in the message box: the window then takes no other input
    // and cannot be put aside.
    bool Waiting() const;
    // One second of the news ticker; StopNews stops it for good (the window is going).
    void tmrAktuality_Timer();
    void StopNews();

    // The fleet's figures changed (cargo, ships, damage, cash): every panel shows them again.
    void ShowFleet();

    // Mouse moves over `container` itself (not over what lies on it) put the panels' hover
    // highlight out (hoverLeft).
    void TrackHover(QWidget* container);

    // The rules' view of the window.
    MessageAnswer ShowMessage(const std::string& text, MessageButtons buttons,
                              std::string& title) override;
    void PlaySoundName(const std::string& name) override;
    void MoneyChanged(bool toAccount) override;
    void PricesMoved() override;
    void DaysAdvanced() override;
    void OpenResults() override;

    // Set by the window coordinator.
    std::function<void()> BackToMenu;        // the menu, with the game waiting behind it
    std::function<void()> OpenResultsWindow; // the statistics window, modal
    std::function<void()> ExitGame;          // ends the program
    // Asked before the window closes; false keeps the window open. Empty: no question.
    std::function<bool()> AskToSave;
    // The battle a voyage fights when pirates appear.
    Battle* PirateBattle = nullptr;

signals:
    // The left button on a city of the chart.
    void cityClicked(int city);
    // "> plout sem" of the city information panel: the player wants to sail to `city`
    // (the sea map decides whether the fleet may go).
    void sailRequested(int city);
    // A game has been opened from its file (it may have been saved at sea).
    void gameLoaded();
    // A tab's panel has been opened by its tab: it shows the port it is in.
    void panelOpened(int index);
    // The figures to show again: the fleet (ShowFleet), the money (cash or account), the
    // day's prices, the day itself.
    void fleetChanged();
    void moneyChanged();
    void pricesMoved();
    void daysAdvanced();
    // The mouse is over the bare chart, tab strip or a panel: the hover highlight goes out.
    void hoverLeft();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void changeEvent(QEvent* e) override;
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    // Building the window (PortLayout.cpp, MessageBox.cpp).
    void BuildMainScreen();
    void BuildMessageBox();
    void FitMessageBox();
    void BuildNewsTicker();

    // Reads the game file and its chart, or says why not.
    static QString ReadGame(GameServices& game, const std::string& file, GameState& loaded,
                            QPixmap& chart);
    void Form_Activate();
    void ShowGoalAction();
    void BackToMenuAction();
    void KeepOnScreen(Panel& panel);
    void MarkOpenTab();
    void BuildKeys(); // PortKeys.cpp

    GameServices& game_;
    bool hasGame_ = false;
    QString loadError_;

    // The sea chart and its cities.
    QLabel* Hra = nullptr;
    std::array<ClickLabel*, 9> lblMěsto{};
    // The tab strip, its tabs and the panels, by zalozka; the marked tab.
    QFrame* picZáložky = nullptr;
    std::array<ClickLabel*, zalozka::TabCount> lblZal{};
    std::array<Panel*, zalozka::PanelCount> picZáložka{};
    // The screen's action labels, by akce, and what each does.
    std::array<ClickLabel*, akce::Count> lblAkce{};
    std::array<std::function<void()>, akce::Count> actions_{};
    // Counters.
    QLabel* lblHotovost = nullptr;
    QLabel* lblKonto = nullptr;
    QLabel* lblDny = nullptr;
    // News ticker: line 0 the newest item, line 1 the one before.
    std::array<QLabel*, 2> lblInfo{};
    std::array<QLabel*, 2> imgIkona{};
    QTimer* tmrAktuality = nullptr;

    // The message box and the questions it holds, the one on show last.
    QFrame* picMsgBox = nullptr;
    QLabel* lblTitulek = nullptr;
    QLabel* lblText = nullptr;
    std::array<ClickLabel*, 3> cmd{};
    std::array<MessageAnswer, 3> cmdAnswer_{};
    struct Question {
        QString title;
        QString text;
        MessageButtons buttons;
    };
    void FillMessageBox(const Question& q);
    std::vector<Question> questions_;
};

} // namespace vlnobrod

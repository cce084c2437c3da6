#pragma once

#include "state/Battle.h"
#include "state/GameView.h"
#include "widgets/ClickLabel.h"
#include "widgets/GameServices.h"
#include "widgets/Panel.h"

#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QString>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class QTimer;

namespace vlnobrod {

class LogbookArea;

// The port screen, the window in which the game is played: the sea chart with the cities,
// the trade, dock, bank and save panels, the city information panel, the message box, the
// news ticker and the money and day counters.
//
// Form_Load fills the window from the game file named by HandOff; an empty HandOff gives a
// window without a game. The panels' actions are registered from outside with SetAction
// (the shell attaches them, shell/PortScreen.h), so each panel's code lives with its own
// subsystem and this window includes none of them.
class frmMain : public QWidget, public GameView {
    Q_OBJECT
public:
    static constexpr int ActionCount = 22;
    static constexpr int MapWidth = 849;
    static constexpr int MapHeight = 471;

    explicit frmMain(GameServices& game, QWidget* parent = nullptr);
    ~frmMain() override;

    // Fills the window from the game file named by HandOff (nothing when HandOff is empty):
    // the chart, the cities, one day change for the stored days, the counters, the news.
    // Called once, after the hooks below are set, since a goal already met is announced
    // (and the results window opened) while the game loads.
    void Form_Load();

    // Why the game file `file` (a map, a saved game) could not be opened, in Czech; empty
    // when it can be. Nothing of the game in memory changes.
    static QString GameProblem(GameServices& game, const std::string& file);

    // Whether a game was opened; when it could not be, LoadError says why, in Czech.
    bool HasGame() const { return hasGame_; }
    const QString& LoadError() const { return loadError_; }

    GameServices& Game() { return game_; }

    // Moves the hover highlight: "Z" + two digits is a tab, "S" + two digits a goods label,
    // "N" + two digits a cargo row (chosen with the keys), "F00" nothing.
    void Fokus_Move(const QString& Objekt);

    // The one dispatcher of the action labels; other code runs an action through it too.
    void lblAkce_Click(int Index);
    // Gives action label `index` its action (replacing one given before).
    void SetAction(int index, std::function<void()> action);

    void lblZal_Click(int Index);
    // The city information panel's open/close toggle (its Tag "1" while open).
    void cmdInfEnd_Click();
    // A right or middle click on a city, and "> plout sem": a voyage to `city`, run by
    // whoever set SailTo (the voyage strip, shell/PortScreen.h).
    void StartVoyage(int city);
    std::function<void(int)> SailTo;
    // An answer label of the message box: answers the question on show.
    void cmd_Click(int Index);
    // Whether a question waits in the message box: the window then takes no other input
    // and cannot be put aside.
    bool Waiting() const;
    void tmrAktuality_Timer();

    // Fill the price list of the city information panel (infoPanel) or of the trade panel,
    // and the fleet, cargo and bank figures.
    void ShowMarket(std::uint8_t city, bool infoPanel);
    // The logbook of `city` in the city information panel, where the research chart would
    // be: shown for a city without research while the chart is hidden, hidden otherwise.
    void ShowLogbook(std::uint8_t city);
    void ShowFleet();

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

    // The sea chart and its cities.
    QLabel* Hra = nullptr;
    std::array<ClickLabel*, 9> lblMěsto{};

    // Tabs and the four movable panels: 0 trade, 1 dock, 2 bank, 3 save.
    QFrame* picZáložky = nullptr;
    std::array<ClickLabel*, 4> lblZal{};
    std::array<Panel*, 4> picZáložka{};

    // Price lists: goods labels 0..27 (names, prices) and bars 0..13 with the trend marks
    // in the research chart of the city information panel; labels 28..55 and bars 14..27
    // in the trade panel.
    std::array<ClickLabel*, 56> lblSurovina{};
    std::array<QFrame*, 28> shpSurovina{};
    std::array<QLabel*, 14> lblKurs{};

    // Cargo list of the trade panel, and the load bar (0 frame, 1 filling, 2 damage bar).
    std::array<ClickLabel*, 14> lblNáklad{};
    std::array<ClickLabel*, 14> lblNákladB{};
    std::array<QFrame*, 3> shpNaložení{};

    // Numbered labels of the window, named in PortLabels.h (nullptr where no label has that
    // number).
    std::array<ClickLabel*, 44> lbl{};

    // Ship pictures: 1..3 in the dock for the three types; 0 and 4..6 belong to the voyage.
    std::array<QLabel*, 7> imgLoď{};
    // The voyage strip in the tab strip's place, its distance figure and its timer (made by
    // the voyage strip).
    QFrame* picPlavba = nullptr;
    QLabel* lblVzdálenost = nullptr;
    QTimer* tmrPlavba = nullptr;
    QLabel* imgUpgrade = nullptr;

    // The action labels; PortLabels.h says what each number does.
    std::array<ClickLabel*, ActionCount> lblAkce{};

    // The message box.
    QFrame* picMsgBox = nullptr;
    QLabel* lblTitulek = nullptr;
    QLabel* lblText = nullptr;
    std::array<ClickLabel*, 3> cmd{};
    std::array<QLabel*, 2> img{}; // 0 the message box picture, 1 the information panel's bar

    // Counters.
    QLabel* lblHotovost = nullptr;
    QLabel* lblKonto = nullptr;
    QLabel* lblDny = nullptr;

    // News ticker: line 0 the newest item, line 1 the one before.
    std::array<QLabel*, 2> lblInfo{};
    std::array<QLabel*, 2> imgIkona{};
    QTimer* tmrAktuality = nullptr;

    // City information panel and its research chart.
    Panel* picInf = nullptr;
    QString picInfTag = QStringLiteral("0"); // "1" while open
    QFrame* picGraf = nullptr;
    LogbookArea* picDeník = nullptr;

signals:
    // "> plout sem" of the city information panel: the player wants to sail to `city`
    // (the sea map decides whether the fleet may go).
    void sailRequested(int city);
    // A game has been opened from its file (it may have been saved at sea).
    void gameLoaded();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void changeEvent(QEvent* e) override;
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    // Building the window (PortLayout.cpp, PortPanels.cpp, CityInfoPanel.cpp).
    void BuildMainScreen();
    void BuildTradePanel();
    void BuildDockPanel();
    void BuildBankPanel();
    void BuildSavePanel();
    void BuildCityInfoPanel();
    void BuildMessageBox();
    void FitMessageBox();
    void BuildNewsTicker();
    Panel* MakePanel(int index, const QString& title, int x, int y, int w, int h);
    void TrackHover(QWidget* container);

    // Reads the game file and its chart, or says why not.
    static QString ReadGame(GameServices& game, const std::string& file, GameState& loaded,
                            QPixmap& chart);
    void Form_Activate();
    void ShowGoalAction();
    void BackToMenuAction();
    void KeepOnScreen(Panel& panel);
    void SetGoodsColour(int index, bool highlighted);
    void SetCargoColour(int index, bool highlighted);

    GameServices& game_;
    bool hasGame_ = false;
    QString loadError_;
    std::array<std::function<void()>, ActionCount> actions_{};
    // The questions of the message box, the one on show last.
    struct Question {
        QString title;
        QString text;
        MessageButtons buttons;
    };
    void FillMessageBox(const Question& q);
    std::vector<Question> questions_;
};

} // namespace vlnobrod

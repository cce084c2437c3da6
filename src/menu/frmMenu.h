#pragma once

#include "widgets/ClickLabel.h"
#include "widgets/GameServices.h"
#include "widgets/Panel.h"

#include <QWidget>
#include <array>
#include <functional>

class QCheckBox;
class QLabel;
class QRadioButton;

namespace vlnobrod {

class LoadPanel;
class MapAlbum;
class StartForm;

// The main menu, the first window of the game.
class frmMenu : public QWidget {
    Q_OBJECT
public:
    static constexpr int ActionCount = 8;
    static constexpr int PanelCount = 6;
    static constexpr int ButtonCount = 9;

    explicit frmMenu(GameServices& game, QWidget* parent = nullptr);

    // Moves the hover highlight: "A" + two digits is action label that index, "F00" none.
    void Fokus_Move(const QString& Objekt);
    void lblAkce_Click(int Index);
    // The buttons of all panels: 0 "Začít hru", 1 "Načíst hru", 2 "Storno" (start form),
    // 3 "OK" and 5 "Storno" (settings), 4 "Spustit" (duel), 6 "OK" (about), 7 "Smazat
    // vybranou pozici", 8 "Načíst poslední".
    void lblAkceB_Click(int Index);
    void imgMap_Click(int Index);

    // Closing the window, or "Konec >", ends the program through this.
    std::function<void()> ExitGame;
    // Asked before the game waiting behind the menu is ended or replaced (it may be saved
    // first); false: the player stays where he is.
    std::function<bool()> LeaveGame;
    // Whether the map or saved game `file` opens as a game; a file that does not has been
    // reported to the player. Asked before the file replaces the state file.
    std::function<bool(const std::string& file)> CanOpenGame;
    // HandOff names the fresh state file: open the port screen on it (the menu goes away).
    std::function<void()> OpenPortScreen;
    // "Pokračovat ve hře >": back to the game waiting behind the menu.
    std::function<void()> ContinueGame;
    // "Návod": the guide window.
    std::function<void()> ShowGuide;
    // "Spustit" of the duel, with its mode (PirátiB against the computer, PirátiB2 for two
    // players).
    std::function<void(HandOffWord mode)> StartDuel;
    // Asked before a saved game goes to the trash; the player's answer.
    std::function<bool(const QString& file)> ConfirmDelete;

    std::array<ClickLabel*, ActionCount> lblAkce{};
    // Each panel and its buttons exist from the first click on its menu entry.
    std::array<Panel*, PanelCount> picZáložka{};
    std::array<ClickLabel*, ButtonCount> lblAkceB{};
    QString Tag; // "Rozehráno" while a game waits behind the menu

    MapAlbum* album = nullptr;
    StartForm* picName = nullptr;
    LoadPanel* loadPanel = nullptr;
    QCheckBox* chk0 = nullptr;    // "Hrát zvuky"
    QLabel* lbl15 = nullptr;      // version
    QRadioButton* opt0 = nullptr; // "Proti PC"
    QRadioButton* opt1 = nullptr; // "Dva hráči"

protected:
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void changeEvent(QEvent* e) override;
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void Form_Activate();
    ClickLabel* MakeButton(int index, const QString& caption, QWidget* parent, int x, int y);
    Panel* MakePanel(int index, const QString& title, int x, int y, int w, int h);
    // The panel of that index, made now if it has not been yet.
    Panel* EnsurePanel(int index);
    void ShowPanel(int index);
    void HideAllPanels();
    bool AskToDelete(const QString& file);

    // The panels (MenuPanels.cpp: new game and saved games; SettingsPanels.cpp: the rest).
    void BuildNewGamePanel();
    void BuildLoadPanel();
    void BuildSettingsPanel();
    void BuildAboutPanel();
    void BuildDuelPanel();
    // The entries' shortcuts and the panels' keys (MenuKeys.cpp).
    void BuildKeys();
    void BuildPanelKeys(int index);
    bool LoadPanelKey(const QKeyEvent& e);
    void OpenSettings();
    void OpenAbout();
    void SettingsButton_Click(int Index);

    void StartNewGame();
    void LoadSelectedGame();
    void DeleteSelectedGame();
    void LoadNewestGame();

    GameServices& game_;
    QLabel* Image1_ = nullptr;
    QLabel* lbl12_ = nullptr;
};

} // namespace vlnobrod

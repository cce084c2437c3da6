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

// The menu's entries (lblAkce), panels (picZáložka: entry k opens panel k - 1) and the panels'
// buttons (lblAkceB), by number.
namespace menuentry {
enum Index : int {
    Exit = 0,     // "Konec >"
    NewGame = 1,  // "Nová hra"
    Load = 2,     // "Načíst hru"
    Settings = 3, // "Nastavení"
    Guide = 4,    // "Návod"
    About = 5,    // "O hře"
    Duel = 6,     // "Externí hry"
    Continue = 7, // "Pokračovat ve hře >", only while a game waits behind the menu
};
} // namespace menuentry
namespace menupanel {
enum Index : int { NewGame = 0, Load = 1, Settings = 2, About = 4, Duel = 5 }; // 3: none
} // namespace menupanel
namespace menubutton {
enum Index : int {
    StartGame = 0,      // "Začít hru" (start form)
    LoadGame = 1,       // "Načíst hru"
    CancelStart = 2,    // "Storno" (start form)
    SettingsOK = 3,     // "OK" (settings)
    RunDuel = 4,        // "Spustit"
    SettingsCancel = 5, // "Storno" (settings)
    AboutOK = 6,        // "OK" (about)
    DeleteSave = 7,     // "Smazat vybranou pozici"
    LoadNewest = 8,     // "Načíst poslední"
};
} // namespace menubutton

// The main menu, the first window of the game. Its entries and buttons carry object names
// for tests and tools: "entry0".."entry7" and "button0".."button8" (by the numbers above),
// the panels "menuPanel0".."menuPanel5".
class frmMenu : public QWidget {
    Q_OBJECT
public:
    static constexpr int ActionCount = 8;
    static constexpr int PanelCount = 6;
    static constexpr int ButtonCount = 9;

    explicit frmMenu(GameServices& game, QWidget* parent = nullptr);

    // Moves the hover highlight to entry `index` (menuentry), or off every entry with -1.
    void Fokus_Move(int index);
    void lblAkce_Click(int Index);
    // The buttons of all panels (menubutton).
    void lblAkceB_Click(int Index);
    // The panel of that number (menupanel), nullptr until it is first opened.
    Panel* PanelAt(int index) const;
    // Whether a game waits behind the menu ("Pokračovat ve hře >" then shows).
    void SetGameWaiting(bool waiting) { gameWaiting_ = waiting; }
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
    std::array<ClickLabel*, ActionCount> lblAkce_{};
    // Each panel and its buttons exist from the first click on its menu entry.
    std::array<Panel*, PanelCount> picZáložka_{};
    std::array<ClickLabel*, ButtonCount> lblAkceB_{};
    bool gameWaiting_ = false;
    int hovered_ = -1; // the entry under the mouse, grown
    QLabel* Image1_ = nullptr;
    QLabel* lbl12_ = nullptr;
};

} // namespace vlnobrod

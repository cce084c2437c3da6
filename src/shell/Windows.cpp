#include "Windows.h"

#include "guide/frmHelp.h"
#include "menu/frmMenu.h"
#include "port/frmMain.h"
#include "results/frmTop.h"
#include "shell/PortScreen.h"
#include "trade/SaveGame.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>

namespace vlnobrod {

namespace {

// A window may be taken down from inside one of its own handlers: it goes when the event
// that is running has finished.
template <typename W> void retire(std::unique_ptr<W>& window) {
    if (!window)
        return;
    window->hide();
    window.release()->deleteLater();
}

} // namespace

Windows::Windows(GameServices& game) : game_(game) {}

Windows::~Windows() = default;

void Windows::Start() {
    game_.state.FocusKey = "F00";
    ShowMenu(QString());
}

void Windows::ShowMenu(const QString& tag) {
    if (!menu_) {
        menu_ = std::make_unique<frmMenu>(game_);
        menu_->ExitGame = [this] { ExitGame(); };
        menu_->LeaveGame = [this] { return LeaveGame(); };
        menu_->CanOpenGame = [this](const std::string& file) {
            const QString problem = frmMain::GameProblem(game_, file);
            if (!problem.isEmpty())
                ReportLoadError(problem);
            return problem.isEmpty();
        };
        menu_->ShowGuide = [this] { ShowGuide(); };
        menu_->OpenPortScreen = [this] { StartGame(); };
        menu_->ContinueGame = [this] { ContinueGame(); };
        menu_->StartDuel = [this](HandOffWord mode) { RunDuel(mode); };
    }
    menu_->Tag = tag;
    menu_->show();
    menu_->raise();
    menu_->activateWindow();
}

void Windows::StartGame() {
    // A window whose question waits is neither replaced nor put aside: it is answered first.
    if (port_ && port_->Waiting())
        return;
    auto port = MakePortScreen(game_);
    frmMain* screen = port.get();
    port->BackToMenu = [this] { BackToMenu(); };
    port->ExitGame = [this] { ExitGame(); };
    port->OpenResultsWindow = [this, screen] { ShowStatistics(screen, *screen); };
    port->PirateBattle = &battle_;
    // F1 opens the guide from the game as it does from the menu.
    auto* guideKey = new QShortcut(QKeySequence(Qt::Key_F1), port.get());
    QObject::connect(guideKey, &QShortcut::activated, port.get(), [this] { ShowGuide(); });
    port->Form_Load();
    if (!port->HasGame()) {
        // The game in memory, if any, is untouched: the old port screen stays behind, and
        // no new game waits to be greeted.
        game_.state.PendingAction = Pending::None;
        ReportLoadError(port->LoadError().isEmpty()
                            ? QStringLiteral("Hru nelze otevřít: není vybrán žádný soubor.")
                            : port->LoadError());
        return;
    }
    if (port_)
        port_->tmrAktuality->stop();
    retire(port_);
    port_ = std::move(port);
    port_->show();
    port_->raise();
    port_->activateWindow();
    retire(menu_);
}

void Windows::BackToMenu() {
    if (port_ && port_->Waiting())
        return;
    if (port_)
        port_->hide();
    ShowMenu(QStringLiteral("Rozehráno"));
}

void Windows::ContinueGame() {
    if (!port_)
        return;
    if (menu_)
        menu_->hide();
    port_->show();
    port_->raise();
    port_->activateWindow();
}

void Windows::ReportLoadError(const QString& message) {
    // The message names files the player chose: shown as they are, never as markup.
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Vlnobrod"), message, QMessageBox::Ok,
                    menu_.get());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool Windows::LeaveGame() {
    GameState& st = game_.state;
    if (!port_ || !port_->HasGame() || st.StateSaved)
        return true;
    // The port screen's own question, and its answers.
    QMessageBox box(QMessageBox::Question, QStringLiteral("Opuštění hry"),
                    QStringLiteral("Chcete hru uložit pod název: Poslední hra ?"),
                    QMessageBox::NoButton, menu_.get());
    box.setTextFormat(Qt::PlainText);
    QPushButton* ne = box.addButton(QStringLiteral("Ne"), QMessageBox::NoRole);
    QPushButton* ano = box.addButton(QStringLiteral("Ano"), QMessageBox::YesRole);
    QPushButton* zrusit = box.addButton(QStringLiteral("Zrušit"), QMessageBox::RejectRole);
    box.setDefaultButton(ano);
    box.setEscapeButton(zrusit);
    box.exec();
    if (box.clickedButton() == ne)
        return true;
    if (box.clickedButton() != ano)
        return false;
    const SaveOutcome outcome = SaveGame(game_.profiles, st, LastGameName);
    if (!outcome.saved) {
        // Not saved: the game is not thrown away.
        QMessageBox failed(QMessageBox::Warning, QStringLiteral("Uložení hry"),
                           QString::fromStdString(outcome.message), QMessageBox::Ok, menu_.get());
        failed.setTextFormat(Qt::PlainText);
        failed.exec();
        return false;
    }
    return true;
}

void Windows::ShowGuide() {
    if (!guide_) {
        guide_ = std::make_unique<frmHelp>(game_);
        guide_->setWindowFlag(Qt::WindowStaysOnTopHint);
    }
    guide_->ShowInFront();
}

void Windows::ShowStatistics(QWidget* owner, GameView& view) {
    frmTop top(game_, view, owner);
    top.exec();
}

void Windows::RunDuel(HandOffWord mode) {
    const BattleResult result = battle_.Fight(game_.state, mode);
    const QString title = QStringLiteral("Souboj s piráty");
    if (result.word == HandOffWord::Vyhral)
        QMessageBox::information(menu_.get(), title, QStringLiteral("Vyhrála obchodní loď!"));
    else if (result.word == HandOffWord::Prohral)
        QMessageBox::information(menu_.get(), title, QStringLiteral("Vyhrála pirátská loď!"));
}

void Windows::ExitGame() {
    if (exiting_)
        return;
    exiting_ = true;
    if (port_) {
        port_->tmrAktuality->stop();
        port_->hide();
    }
    if (menu_)
        menu_->hide();
    if (guide_)
        guide_->hide();
    QApplication::quit();
}

} // namespace vlnobrod

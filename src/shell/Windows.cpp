#include "Windows.h"

#include "guide/frmHelp.h"
#include "menu/frmMenu.h"
#include "port/frmMain.h"
#include "results/frmTop.h"
#include "shell/PortScreen.h"
#include "trade/SaveGame.h"
#include "widgets/Question.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
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

// The rules' questions asked over the menu, in the system's dialog with the port screen's
// answers; nothing else of a game shows there.
class DialogView final : public GameView {
public:
    explicit DialogView(QWidget* owner) : owner_(owner) {}
    MessageAnswer ShowMessage(const std::string& text, MessageButtons buttons,
                              std::string& title) override {
        if (title.empty())
            title = "Zpráva";
        return AskInDialog(
            owner_, QString::fromStdString(title), QString::fromStdString(text), buttons,
            buttons == MessageButtons::OK ? QMessageBox::Warning : QMessageBox::Question);
    }
    void PlaySoundName(const std::string&) override {}
    void MoneyChanged(bool) override {}
    void PricesMoved() override {}
    void DaysAdvanced() override {}
    void OpenResults() override {}

private:
    QWidget* owner_;
};

} // namespace

// F1 is the guide's key in every window of the game: the menu, the port (a question waiting
// there too), the battle, statistics and the system's message boxes. A window's own shortcut
// could not serve the modal ones, so the key is caught before any window sees it.
class Windows::GuideKey final : public QObject {
public:
    explicit GuideKey(Windows& windows) : windows_(windows) {}

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        const auto t = e->type();
        if (t != QEvent::KeyPress && t != QEvent::ShortcutOverride)
            return false;
        const auto* key = static_cast<QKeyEvent*>(e);
        if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier)
            return false;
        // Taken as a key press, not as some window's shortcut; opened once per press.
        e->accept();
        if (t == QEvent::KeyPress && !key->isAutoRepeat())
            windows_.ShowGuide();
        return true;
    }

private:
    Windows& windows_;
};

Windows::Windows(GameServices& game) : game_(game) {}

Windows::~Windows() = default;

void Windows::Start() {
    if (!guideKey_) {
        guideKey_ = std::make_unique<GuideKey>(*this);
        qApp->installEventFilter(guideKey_.get());
    }
    ShowMenu(false);
}

void Windows::ShowMenu(bool gameWaiting) {
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
    menu_->SetGameWaiting(gameWaiting);
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
        port_->StopNews();
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
    ShowMenu(true);
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
    AskInDialog(menu_.get(), QStringLiteral("Vlnobrod"), message, MessageButtons::OK,
                QMessageBox::Warning);
}

bool Windows::LeaveGame() {
    GameState& st = game_.state;
    if (!port_ || !port_->HasGame())
        return true;
    // The port screen's own question, and its answers in their order.
    DialogView view(menu_.get());
    return MayLeave(st, view, [&] { return SaveAsLastGame(game_.profiles, st, view); });
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
        AskInDialog(menu_.get(), title, QStringLiteral("Vyhrála obchodní loď!"), MessageButtons::OK,
                    QMessageBox::Information);
    else if (result.word == HandOffWord::Prohral)
        AskInDialog(menu_.get(), title, QStringLiteral("Vyhrála pirátská loď!"), MessageButtons::OK,
                    QMessageBox::Information);
}

void Windows::ExitGame() {
    if (exiting_)
        return;
    exiting_ = true;
    if (port_) {
        port_->StopNews();
        port_->hide();
    }
    if (menu_)
        menu_->hide();
    if (guide_)
        guide_->hide();
    QApplication::quit();
}

} // namespace vlnobrod

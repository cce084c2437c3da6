// The menu's way into a game: the new-game panel with its album and start form, and the
// saved-games panel.
#include "frmMenu.h"

#include "menu/LoadPanel.h"
#include "menu/MapAlbum.h"
#include "menu/MenuRules.h"
#include "menu/StartForm.h"
#include "platform/Files.h"
#include "state/Paths.h"
#include "trade/SaveGame.h"
#include "widgets/Question.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

namespace vlnobrod {

namespace {

QString copyProblem(const GameState& st) {
    return QStringLiteral("Hru se nepodařilo připravit: soubor aktual.map nelze zapsat. "
                          "Zkontrolujte, zda je ve složce %1 místo a zda do ní lze zapisovat.")
        .arg(QString::fromStdString(WritableFolder(st.Places)));
}

} // namespace

void frmMenu::BuildNewGamePanel() {
    Panel* p = MakePanel(menupanel::NewGame, QStringLiteral("Nová hra"), 290, 30, 490, 540);
    auto* prompt = new QLabel(QStringLiteral("Vyberte mapu, kterou chcete hrát:"), p);
    prompt->setGeometry(12, 28, 300, 18);
    album = new MapAlbum(p);
    album->setGeometry(12, 50, 466, 478);
    album->imgMap_Click = [this](int i) { imgMap_Click(i); };

    picName = new StartForm(game_, p);
    picName->move(55, 150);
    picName->hide();
    picName->onEnter = [this] { StartNewGame(); };
    MakeButton(menubutton::StartGame, QStringLiteral("Začít hru"), picName, 14, 214);
    MakeButton(menubutton::CancelStart, QStringLiteral("Storno"), picName, 300, 214);
}

void frmMenu::BuildLoadPanel() {
    loadPanel = new LoadPanel(game_, this);
    picZáložka_[menupanel::Load] = loadPanel;
    loadPanel->onChosen = [this] { LoadSelectedGame(); };
    MakePanel(menupanel::Load, loadPanel->Title(), 330, 110, loadPanel->width(),
              loadPanel->height());
    MakeButton(menubutton::LoadGame, QStringLiteral("Načíst hru"), loadPanel, 224, 196);
    MakeButton(menubutton::LoadNewest, QStringLiteral("Načíst poslední"), loadPanel, 224, 226);
    MakeButton(menubutton::DeleteSave, QStringLiteral("Smazat vybranou pozici"), loadPanel, 224,
               290);
}

bool frmMenu::AskToDelete(const QString& file) {
    const QString name = file.section(QLatin1Char('/'), -1);
    // The file's name as the player gave it; "Ne" by Enter, as nothing is lost then.
    return AskInDialog(
               this, QStringLiteral("Smazat uloženou hru"),
               QStringLiteral("Opravdu chcete uloženou hru „%1“ přesunout do koše?").arg(name),
               MessageButtons::NeAno, QMessageBox::Question,
               MessageAnswer::Ne) == MessageAnswer::Ano;
}

void frmMenu::imgMap_Click(int Index) {
    game_.PlaySoundName(QStringLiteral("Cvak"));
    picName->Map = album->MapAt(Index);
    picName->ShowProblem(QString());
    picName->show();
    picName->raise();
}

void frmMenu::StartNewGame() {
    game_.PlaySoundName(QStringLiteral("Cvak"));
    // The game in memory stays until the new one is known to open, and the player has had
    // the chance to save it.
    const std::string map = ScenarioFile(game_.state.Places, picName->Map.toStdString());
    if ((CanOpenGame && !CanOpenGame(map)) || (LeaveGame && !LeaveGame()))
        return;
    picZáložka_[menupanel::NewGame]->hide();
    QApplication::processEvents();

    if (!vlnobrod::StartNewGame(game_.profiles, game_.state, picName->Map.toStdString(),
                                picName->txtCompany->text().toStdString(),
                                picName->txtName->text().toStdString())) {
        // The menu stays, with the form as the player left it.
        picName->ShowProblem(copyProblem(game_.state));
        ShowPanel(menupanel::NewGame);
        picName->show();
        return;
    }
    if (OpenPortScreen)
        OpenPortScreen();
}

void frmMenu::LoadSelectedGame() {
    const QString file = loadPanel->SelectedFile();
    if (file.isEmpty())
        return;
    if ((CanOpenGame && !CanOpenGame(file.toStdString())) || (LeaveGame && !LeaveGame()))
        return;
    picZáložka_[menupanel::Load]->hide();
    QApplication::processEvents();
    if (!EnterSavedGame(game_.profiles, game_.state, file.toStdString())) {
        loadPanel->ShowProblem(copyProblem(game_.state));
        ShowPanel(menupanel::Load);
        return;
    }
    loadPanel->ShowProblem(QString());
    if (OpenPortScreen)
        OpenPortScreen();
}

void frmMenu::DeleteSelectedGame() {
    const QString file = loadPanel->SelectedFile();
    if (file.isEmpty())
        return;
    files::DeleteFileToBin(file, ConfirmDelete);
    loadPanel->Refresh();
}

void frmMenu::LoadNewestGame() {
    if (loadPanel->FileLoad->count() == 0)
        return;
    loadPanel->Refresh();
    const int newest = loadPanel->NewestIndex();
    if (newest < 0)
        return;
    loadPanel->Select(newest);
    LoadSelectedGame();
}

} // namespace vlnobrod

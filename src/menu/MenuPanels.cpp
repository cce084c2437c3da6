// The menu's way into a game: the new-game panel with its album and start form, and the
// saved-games panel.
#include "frmMenu.h"

#include "menu/LoadPanel.h"
#include "menu/MapAlbum.h"
#include "menu/MenuRules.h"
#include "menu/StartForm.h"
#include "platform/Files.h"
#include "state/Paths.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>

namespace vlnobrod {

namespace {

QString copyProblem(const GameState& st) {
    return QStringLiteral("Hru se nepodařilo připravit: soubor aktual.map nelze zapsat. "
                          "Zkontrolujte, zda je ve složce %1 místo a zda do ní lze zapisovat.")
        .arg(QString::fromStdString(WritableFolder(st.Places)));
}

} // namespace

void frmMenu::BuildNewGamePanel() {
    Panel* p = MakePanel(0, QStringLiteral("Nová hra"), 290, 30, 490, 540);
    auto* prompt = new QLabel(QStringLiteral("Vyberte mapu, kterou chcete hrát:"), p);
    prompt->setGeometry(12, 28, 300, 18);
    album = new MapAlbum(p);
    album->setGeometry(12, 50, 466, 478);
    album->imgMap_Click = [this](int i) { imgMap_Click(i); };

    picName = new StartForm(game_, p);
    picName->move(55, 150);
    picName->hide();
    picName->onEnter = [this] { StartNewGame(); };
    MakeButton(0, QStringLiteral("Začít hru"), picName, 14, 214);
    MakeButton(2, QStringLiteral("Storno"), picName, 300, 214);
}

void frmMenu::BuildLoadPanel() {
    loadPanel = new LoadPanel(game_, this);
    picZáložka[1] = loadPanel;
    MakePanel(1, loadPanel->Title(), 330, 110, loadPanel->width(), loadPanel->height());
    MakeButton(1, QStringLiteral("Načíst hru"), loadPanel, 224, 196);
    MakeButton(8, QStringLiteral("Načíst poslední"), loadPanel, 224, 226);
    MakeButton(7, QStringLiteral("Smazat vybranou pozici"), loadPanel, 224, 290);
}

bool frmMenu::AskToDelete(const QString& file) {
    const QString name = file.section(QLatin1Char('/'), -1);
    QMessageBox box(QMessageBox::Question, QStringLiteral("Smazat uloženou hru"),
                    QStringLiteral("Opravdu chcete uloženou hru „%1“ přesunout do koše?").arg(name),
                    QMessageBox::Yes | QMessageBox::No, this);
    box.setTextFormat(Qt::PlainText); // the file's name as the player gave it
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void frmMenu::imgMap_Click(int Index) {
    game_.PlaySoundName(QStringLiteral("Cvak"));
    picName->Tag = album->imgMap[static_cast<std::size_t>(Index)]->Tag;
    picName->ShowProblem(QString());
    picName->show();
    picName->raise();
}

void frmMenu::StartNewGame() {
    game_.PlaySoundName(QStringLiteral("Cvak"));
    // The game in memory stays until the new one is known to open, and the player has had
    // the chance to save it.
    const std::string map = ScenarioFile(game_.state.Places, picName->Tag.toStdString());
    if ((CanOpenGame && !CanOpenGame(map)) || (LeaveGame && !LeaveGame()))
        return;
    picZáložka[0]->hide();
    QApplication::processEvents();

    if (!vlnobrod::StartNewGame(game_.profiles, game_.state, picName->Tag.toStdString(),
                                picName->txtCompany->text().toStdString(),
                                picName->txtName->text().toStdString())) {
        // The menu stays, with the form as the player left it.
        picName->ShowProblem(copyProblem(game_.state));
        ShowPanel(0);
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
    picZáložka[1]->hide();
    QApplication::processEvents();
    if (!EnterSavedGame(game_.profiles, game_.state, file.toStdString())) {
        loadPanel->ShowProblem(copyProblem(game_.state));
        ShowPanel(1);
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

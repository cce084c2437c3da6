#pragma once

#include "widgets/Panel.h"

#include <QString>
#include <functional>

class QLabel;
class QListWidget;

namespace vlnobrod {

struct GameServices;

// The "Načíst hru" panel of the menu: the saved games of the Save folder with the owner,
// company and time of the one selected.
class LoadPanel : public Panel {
    Q_OBJECT
public:
    LoadPanel(GameServices& game, QWidget* parent);

    // Lists the folder's "*.mlo" files again; a missing folder lists nothing.
    void Refresh();
    QString Folder() const;

    // The selected saved game's path, empty when nothing is selected.
    QString SelectedFile() const;
    int SelectedIndex() const;
    void Select(int index);

    // Shows the details of the selected saved game.
    void FileLoad_Click();

    // Which listed game "Načíst poslední" takes: -1 for an empty list.
    int NewestIndex() const;

    // A failure (the game could not be loaded) in red under the details; empty hides it.
    void ShowProblem(const QString& text);

    // A double click on a listed save: load it, as "Načíst hru" does.
    std::function<void()> onChosen;

    QListWidget* FileLoad = nullptr;
    QLabel* lbl1 = nullptr;  // owner
    QLabel* lbl2 = nullptr;  // company
    QLabel* lbl35 = nullptr; // date and time
    QLabel* lblProblem = nullptr;

private:
    GameServices& game_;
};

} // namespace vlnobrod

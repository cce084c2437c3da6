#pragma once

#include <QObject>
#include <QString>

class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;

namespace vlnobrod {

class Panel;
class frmMain;

// The save panel of the port screen ("Uložit hru"): the saved games, the name box and the
// save itself with its progress panel; also the question asked when the window closes on
// an unsaved game, and the way to the statistics window.
//
// Named controls: "saveList", "saveName", "saveProblem", "save", "saveProgress".
class SavePanel : public QObject {
    Q_OBJECT
public:
    static constexpr int MaxNameChars = 45;

    // Builds the port screen's save panel and gives the screen its actions "Uložit" (opens
    // the panel) and "Statistika", and the exit question.
    explicit SavePanel(frmMain& port);

    void Open();
    // Saves under the name in the box; false when the name was refused or the save failed.
    bool Save();
    void FileSave_Click();
    // The port screen is closing: true lets it close.
    bool AskToSave();
    void OpenStatistics();

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void Refresh();

    frmMain& port_;
    Panel* panel_ = nullptr;
    QListWidget* FileSave = nullptr;
    QLineEdit* txtSave = nullptr;
    QLabel* lblProblem = nullptr; // a refused name, in red
    QFrame* picPrůběh = nullptr;
    QLabel* lbl39 = nullptr; // progress title
    QLabel* lbl35 = nullptr; // progress text
};

} // namespace vlnobrod

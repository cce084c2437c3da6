#pragma once

#include <QObject>
#include <QString>

class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;

namespace vlnobrod {

class frmMain;

// The save panel of the port screen ("Uložit hru"): the saved games, the name box and the
// save itself with its progress panel; also the question asked when the window closes on
// an unsaved game, and the way to the statistics window.
class SavePanel : public QObject {
    Q_OBJECT
public:
    static constexpr int MaxNameChars = 45;

    // Places its controls into the port screen's save panel and registers the actions
    // "Uložit" (14 opens the panel, 15 saves), "Statistika" (17) and the exit question.
    explicit SavePanel(frmMain& port);

    void Open();
    // Saves under the name in the box; false when the name was refused or the save failed.
    bool Save();
    void FileSave_Click();
    // The port screen is closing: true lets it close.
    bool AskToSave();
    void OpenStatistics();

    QListWidget* FileSave = nullptr;
    QLineEdit* txtSave = nullptr;
    QLabel* lblProblem = nullptr; // a refused name, in red
    QFrame* picPrůběh = nullptr;
    QLabel* lbl39 = nullptr; // progress title
    QLabel* lbl35 = nullptr; // progress text

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void Refresh();

    frmMain& port_;
};

} // namespace vlnobrod

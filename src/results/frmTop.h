#pragma once

#include "results/BestPlayers.h"
#include "widgets/GameServices.h"

#include <QDialog>
#include <array>
#include <cstdint>

class QLabel;

namespace vlnobrod {

class GameView;

// The statistics and best-players window: the company's figures and the table of the map.
// It fills itself while it is made (a finished game is entered into the table first, see
// OpenTopTable); the caller shows it modally.
class frmTop : public QDialog {
    Q_OBJECT
public:
    frmTop(GameServices& game, GameView& view, QWidget* parent = nullptr);

    // How the opening went: the entry made, or none.
    const EntryOutcome& Result() const { return result_; }

    QLabel* lbl0 = nullptr;  // "pro mapu " + title
    QLabel* lbl8 = nullptr;  // fleet
    QLabel* lbl9 = nullptr;  // account
    QLabel* lbl10 = nullptr; // cash
    QLabel* lbl12 = nullptr; // days
    QLabel* lblHodnota = nullptr;
    QString lblHodnotaTag;
    std::array<QLabel*, 5> lblName{};
    std::array<QLabel*, 5> lblCompany{};
    std::array<QLabel*, 5> lblDnů{};
    std::array<QLabel*, 5> lblValue{};

protected:
    // Nothing waits for a decision here: Enter closes the window as Escape does.
    void keyPressEvent(QKeyEvent* e) override;

private:
    void BuildLayout();
    void Form_Load(GameView& view);

    GameServices& game_;
    EntryOutcome result_{TopEntry::ViewOnly};
};

} // namespace vlnobrod

#pragma once

#include "widgets/ClickLabel.h"
#include "widgets/GameServices.h"

#include <QWidget>
#include <array>
#include <functional>

class QLabel;

namespace vlnobrod {

// The main menu, the first window of the game.
class frmMenu : public QWidget {
    Q_OBJECT
public:
    static constexpr int ActionCount = 8;

    explicit frmMenu(GameServices& game, QWidget* parent = nullptr);

    // Moves the hover highlight: "A" + two digits is action label that index, "F00" none.
    void Fokus_Move(const QString& Objekt);
    void lblAkce_Click(int Index);

    // Closing the window, or "Konec >", ends the program through this.
    std::function<void()> ExitGame;

    std::array<ClickLabel*, ActionCount> lblAkce{};
    QString Tag; // "Rozehráno" while a game waits behind the menu

protected:
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void changeEvent(QEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    void Form_Activate();

    GameServices& game_;
    QLabel* Image1_ = nullptr;
    QLabel* lbl12_ = nullptr;
};

} // namespace vlnobrod

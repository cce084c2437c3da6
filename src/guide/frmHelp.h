#pragma once

#include "widgets/ClickLabel.h"
#include "widgets/GameServices.h"

#include <QPointer>
#include <QWidget>
#include <array>

class QLabel;
class QTextBrowser;

namespace vlnobrod {

// The guide: a short handbook of the game under a heading strip.
class frmHelp : public QWidget {
    Q_OBJECT
public:
    static constexpr int StripHeight = 20;
    static constexpr int Margin = 2;

    explicit frmHelp(GameServices& game, QWidget* parent = nullptr);

    // The handbook, as rich text: a resource compiled into the program.
    static QString Handbook();

    // Shows the guide in front of the game and gives it the keys (F1 anywhere); Escape
    // closes it and gives them back to the window that had them.
    void ShowInFront();

    QWidget* Picture1 = nullptr;
    QLabel* lbl0 = nullptr;
    QTextBrowser* rtf = nullptr;
    std::array<ClickLabel*, 1> lblAkceB{};

protected:
    void resizeEvent(QResizeEvent* e) override;
    // Escape closes the guide; F4 sends it to the task bar.
    void keyPressEvent(QKeyEvent* e) override;

    void hideEvent(QHideEvent* e) override;

private:
    void Form_Resize();

    QPointer<QWidget> returnTo_;
};

} // namespace vlnobrod

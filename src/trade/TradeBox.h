#pragma once

#include "state/GameState.h"
#include "state/GameView.h"
#include "state/Random.h"
#include "widgets/ClickLabel.h"

#include <QFrame>
#include <QObject>
#include <QSlider>
#include <vector>

class QKeyEvent;

namespace vlnobrod {

class frmMain;

// The transaction box of the trade panel, picTransakce: one kind of goods bought or sold at
// a time, the quantity chosen on the slider. A click on a market row opens it for buying,
// a click on a cargo row for selling. The box keeps the pending trade only in its captions,
// Tags and the slider, and reads them back when "Koupit" or "Prodat" is clicked.
// Also runs "Prodat vše". The keyboard works the panel too (TradeBoxKeys.cpp).
class TradeBox : public QObject {
    Q_OBJECT
public:
    explicit TradeBox(frmMain& main);

    // Market row i of the trade panel (28..55, names or prices): buy. A row of the research
    // chart (0..27) only tells the player where goods are bought.
    void lblSurovina_Click(int Index);
    // Cargo row i (0..13): sell.
    void lblNáklad_Click(int Index);
    // The slider moved: rewrite the quantity line.
    void sldMnožství_Change();

    void Koupit();    // lblAkce 3
    void Prodat();    // lblAkce 4
    void ProdatVše(); // lblAkce 18

    QFrame* picTransakce = nullptr;
    ClickLabel* lblPředmět = nullptr;   // Tag: the goods index
    ClickLabel* lblCenaZaKus = nullptr; // Tag: the unit price, "0" when not taken here
    QSlider* sldMnožství = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void build();
    // The keys of the trade panel and of the box.
    bool RowKey(const QKeyEvent& e);    // arrows: the highlighted market or cargo row
    void EnterOnRow();                  // Enter: the box on the highlighted row
    void EnterInBox();                  // Enter in the box: "Koupit" or "Prodat"
    bool SliderKey(const QKeyEvent& e); // the slider's keys, wherever the focus is
    // The box has opened: its slider takes the keys (the window, when it has nothing).
    void takeKeys();
    struct Cursor {
        bool cargo;
        int row;
    };
    Cursor cursor() const;
    void moveCursor(Cursor c);
    std::vector<int> shownRows(bool cargo) const;
    // A refused row: the reason in the quantity line, and nothing left to click.
    void refuse(const QString& reason, int actionIndex);
    bool offered(int actionIndex) const;
    using Deal = void (*)(GameState&, GameView&, RandomSource&, int, std::int32_t, std::int16_t);
    void settle(int actionIndex, const Deal& deal);

    frmMain& main_;
};

} // namespace vlnobrod
